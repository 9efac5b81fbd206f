// The seven tools of the name list Memo6: fill it with file or folder names, number its lines,
// delete a stretch or replace a text in each line, save it, and create a folder per line. None
// of them renames anything.

#include "change_journal.h"
#include "display_text.h"
#include "errors.h"
#include "filesystem.h"
#include "gb_text.h"
#include "listing.h"
#include "messages.h"
#include "name_list.h"
#include "names_page.h"
#include "page_widgets.h"
#include "para.h"
#include "pass_host.h"
#include "text_file.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <cerrno>
#include <functional>

namespace tarvendi::ui {

namespace {

using LineRewrite = std::function<std::string(const std::string &, std::size_t)>;

std::string list_text(const QPlainTextEdit *memo) {
    return qt_to_gb(raw_text(memo));
}

// Every line is rewritten before the memo changes, so an error leaves the list as it was.
void edit_list(QPlainTextEdit *memo, const LineRewrite &edit) {
    memo->setPlainText(gb_to_qt(rules::edit_lines(list_text(memo), edit)));
}

} // namespace

void NamesPage::Button16Click() {
    host_.act([&] {
        Memo6->clear();
        if (!host_.has_items(tr("请先选择需要操作的文件！")))
            return;
        std::vector<std::string> names = host_.working_texts();
        for (std::string &name : names)
            name = rules::extracted_name(name, chk_del_ext->isChecked());
        Memo6->setPlainText(gb_to_qt(rules::append_lines({}, names)));
    });
}

void NamesPage::Button22Click() {
    host_.act([&] {
        host_.clear_working_list();
        Memo6->clear();
        DoSearchPathFile(host_.path_text());
    });
}

void NamesPage::DoSearchPathFile(const QString &folder) {
    host_.act([&] {
        std::vector<std::string> names;
        try {
            names = platform::list_subfolders(qt_to_gb(folder), false);
        } catch (const platform::IoError &) {
            // A folder that cannot be read simply has no names to give.
            return;
        }
        Memo6->setPlainText(gb_to_qt(rules::append_lines(list_text(Memo6), names)));
    });
}

void NamesPage::Button17Click() {
    host_.act([&] {
        SaveDialog1->setDefaultSuffix(QStringLiteral("txt"));
        SaveDialog1->setNameFilter(tr("文本文件 (*.txt)"));
        SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite);
        if (SaveDialog1->exec() != QDialog::Accepted)
            return;
        const QString file = SaveDialog1->selectedFiles().value(0);
        platform::write_file(qt_to_gb(file), rules::crlf_lines(list_text(Memo6)));
    });
}

void NamesPage::Button23Click() {
    host_.act([&] {
        edit_list(Memo6, [](const std::string &line, std::size_t index) {
            return rules::numbered_line(line, index + 1);
        });
    });
}

void NamesPage::Button24Click() {
    host_.act([&] {
        // However the dialog closes, its two fields are what counts.
        Fpara->exec();
        edit_list(Memo6, [&](const std::string &line, std::size_t) {
            const std::int32_t start = read_number(Fpara->Edit1);
            const std::int32_t length = read_number(Fpara->Edit2);
            return rules::delete_stretch(line, start, length);
        });
    });
}

void NamesPage::Button40Click() {
    host_.act([&] {
        const std::string find = qt_to_gb(Edit22->text());
        const std::string replacement = qt_to_gb(Edit23->text());
        edit_list(Memo6, [&](const std::string &line, std::size_t) {
            return rules::replace_in_line(line, find, replacement);
        });
    });
}

void NamesPage::Button2Click() {
    host_.act([&] {
        // The folders up to the first unusable line are made, and written down before.
        std::vector<std::string> folders;
        std::optional<std::string> unusable;
        for (const std::string &line : rules::list_lines(list_text(Memo6))) {
            // Linux would take a name of blanks or control bytes; such a line is a slip.
            if (!rules::folder_line_usable(line)) {
                unusable = line;
                break;
            }
            if (!platform::folder_exists(line) &&
                std::find(folders.begin(), folders.end(), line) == folders.end())
                folders.push_back(line);
        }
        const std::unique_ptr<core::Journal::Run> run =
            core::journal_folders(host_.journal(), host_.shown_folder(), folders);
        std::size_t made = 0;
        const auto finish = [&] {
            std::vector<std::size_t> failed;
            for (std::size_t i = made; i < folders.size(); ++i)
                failed.push_back(i);
            if (run)
                run->finish(failed);
        };
        try {
            for (; made < folders.size(); ++made)
                platform::create_folder(folders[made]);
        } catch (...) {
            finish();
            throw;
        }
        finish();
        if (unusable)
            throw platform::IoError(EINVAL, platform::escaped_text(*unusable));
        inform(this, tr("创建成功！"));
    });
}

} // namespace tarvendi::ui

#include "check_list.h"
#include "directory_list.h"
#include "file_list.h"
#include "filter_combo.h"
#include "gb_text.h"
#include "main_window.h"
#include "names_page.h"
#include "path_edit.h"
#include "range_page.h"
#include "tag_page.h"
#include "text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <malloc.h>

using namespace tarvendi;
using namespace tarvendi::ui;

namespace {

// Directory mode shows the same filters; only the first description differs.
const QString kFolderFilter = QStringLiteral(
    "所有 (*.*)|*.*|音乐|*.MP3;*.wma;*.wav|图片|*.BMP;*.JPG;*.GIF|视频 "
    "|*.RMVB;*.RM;*.mpg;*.dat;*.flv;*.AVI;*.ASF;*.WAV;*.MP4;*.MOV;*.VOB;*.MKV;*.CSF|文档|*.txt;*."
    "doc;*.pdf;*.chm;*.docx|DOC|*.DOC|JPG|*.JPG|MP3|*.MP3|RM|*.RMVB;*.RM|TXT|*.txt");

std::string with_separator(const std::string &folder) {
    return !folder.empty() && folder.back() == rules::kSeparator ? folder
                                                                 : folder + rules::kSeparator;
}

} // namespace

void TForm1::select_all_and_pick() {
    FileListBox1->select_all_entries();
    FileListBox1Click();
}

void TForm1::FileListBox1Click() {
    actions_.run([&] {
        const std::vector<bool> selected = FileListBox1->selected_rows();
        const auto selected_count = std::count(selected.begin(), selected.end(), true);
        StatusBar1Panel0->setText(QStringLiteral("选中文件数：") + QString::number(selected_count));

        const std::string folder = with_separator(FileListBox1->folder());
        const auto &entries = FileListBox1->entries();
        const int focused = FileListBox1->focused_row();
        const bool focused_selected = focused >= 0 && selected[static_cast<std::size_t>(focused)];
        const CheckItem focused_item =
            focused_selected ? CheckItem::of(entries[static_cast<std::size_t>(focused)], folder)
                             : CheckItem{};
        tag_page_->show_tag(focused_item.name);

        CheckListModel *list = ListBox1->list();
        if (CheckBox1->isChecked()) {
            list->append(focused_item);
        } else {
            list->set_entries(entries, selected);
            const auto last_selected = std::find(selected.rbegin(), selected.rend(), true);
            const int last = static_cast<int>(selected.rend() - last_selected) - 1;
            if (last >= 0) {
                FileListBox1->set_focused_row(last);
                StatusBar1Panel0->setText(gb_to_qt(folder));
                Edit16->setText(gb_to_qt(folder));
            }
        }
        if (list->rowCount() > 0) {
            list->set_all_checked(true);
            CheckBox12->setChecked(true);
        }
        const int now_focused = FileListBox1->focused_row();
        if (now_focused >= 0) {
            const std::string text = entries[static_cast<std::size_t>(now_focused)].text();
            range_page_->set_start_text(
                gb_to_qt(text.substr(0, text.size() - rules::extension(text).size())));
        }
    });
}

void TForm1::N6Click() {
    actions_.run([&] { select_all_and_pick(); });
}

void TForm1::N10Click() {
    names_page_->select_all_names();
    N6Click();
}

void TForm1::Button26Click() {
    actions_.run([&] {
        ListBox1->list()->clear();
        clear_preview();
        if (FileListBox1->count() > 0)
            select_all_and_pick();
    });
}

void TForm1::Button28Click() {
    ListBox1->list()->remove(ListBox1->focused_row());
}

void TForm1::Button34Click() {
    actions_.run([&] { rebuild_folder_list(); });
}

void TForm1::CheckBox12Click() {
    ListBox1->list()->set_all_checked(CheckBox12->isChecked());
}

void TForm1::ListBox1DblClick() {
    CheckListModel *list = ListBox1->list();
    for (const QModelIndex &index : ListBox1->selectionModel()->selectedIndexes()) {
        const bool checked = list->check(static_cast<std::size_t>(index.row())) == Qt::Checked;
        list->set_check_state(index.row(), checked ? Qt::Unchecked : Qt::Checked);
    }
}

void TForm1::CheckBox13Click() {
    actions_.run([&] {
        CheckListModel *list = ListBox1->list();
        if (CheckBox13->isChecked()) {
            if (FilterComboBox1->set_filter(kFolderFilter)) {
                FileListBox1->set_mask(FilterComboBox1->current_mask());
                FilterComboBox1Change();
            }
            FilterComboBox1->setCurrentIndex(0);
            FileListBox1->set_kinds(platform::EntryKinds::Folders);
            list->clear();
            clear_preview();
            if (FileListBox1->count() > 0)
                select_all_and_pick();
        } else {
            FileListBox1->set_kinds(platform::EntryKinds::Files);
            list->clear();
            clear_preview();
            if (FileListBox1->count() > 0)
                select_all_and_pick();
        }
    });
}

void TForm1::reread_file_list() {
    FileListBox1->reread();
}

void TForm1::full_refresh() {
    reread_file_list();
    rebuild_folder_list();
    // Both lists were made anew: hand back what the old ones of a huge folder held.
    malloc_trim(0);
}

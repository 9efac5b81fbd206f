// The cleaning commands of the menu "文件名操作": each removes one fixed set of characters from
// every entry the file list shows. They never look at the working list.

#include "file_list.h"
#include "main_window.h"
#include "rule_page.h"
#include "rule_passes.h"

#include <QCoreApplication>

using namespace tarvendi;
using namespace tarvendi::ui;

namespace {

// The question of the commands; Yes renames, No previews.
QString removal_question(const QString &what) {
    return RulePage::rename_question(
        QCoreApplication::translate("TForm1", "是否要去除文件名中包含的所有的%1？").arg(what));
}

} // namespace

void TForm1::clean_file_list(const QString &question, bool trim, rules::CleanClasses classes) {
    actions_.run([&] {
        const bool execute = confirm(this, question);
        const std::vector<PassItem> items = all_file_list_items();
        run_pass_in(FileListBox1->folder(), passes::remove_characters(classes, trim), items,
                    execute, Refresh::FileList);
    });
}

void TForm1::N2Click() {
    clean_file_list(removal_question(tr("数字")), false, {.digits = true});
}

void TForm1::N3Click() {
    clean_file_list(removal_question(tr("字母")), true, {.letters = true});
}

void TForm1::N8Click() {
    clean_file_list(removal_question(QStringLiteral("- _")), true,
                    {.hyphen = true, .underscore = true});
}

void TForm1::N12Click() {
    clean_file_list(removal_question(tr("空格")), true, {.space = true});
}

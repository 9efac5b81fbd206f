#include "check_list.h"
#include "file_list.h"
#include "filter_combo.h"
#include "gb_text.h"
#include "main_window.h"
#include "memory.h"
#include "names_page.h"
#include "notebook.h"
#include "path_edit.h"
#include "range_page.h"
#include "tag_page.h"
#include "text.h"

#include <QCheckBox>
#include <QLabel>

using namespace tarvendi;
using namespace tarvendi::ui;

namespace {

std::string with_separator(const std::string &folder) {
    return !folder.empty() && folder.back() == rules::kSeparator ? folder
                                                                 : folder + rules::kSeparator;
}

} // namespace

void TForm1::select_all_and_pick() {
    FileListBox1->select_all_entries();
    FileListBox1Click();
}

void TForm1::pick_all_anew() {
    ListBox1->list()->clear();
    clear_preview();
    if (FileListBox1->count() > 0)
        select_all_and_pick();
}

void TForm1::FileListBox1Click() {
    actions_.run([&] {
        const std::vector<bool> selected = FileListBox1->selected_rows();
        const auto selected_count = std::count(selected.begin(), selected.end(), true);
        StatusBar1Panel0->setText(tr("选中文件数：") + QString::number(selected_count));

        const std::string folder = with_separator(FileListBox1->folder());
        const auto &entries = FileListBox1->entries();
        const int focused = FileListBox1->focused_row();
        const bool focused_selected = focused >= 0 && selected[static_cast<std::size_t>(focused)];
        const CheckItem focused_item =
            focused_selected ? CheckItem::of(entries[static_cast<std::size_t>(focused)], folder)
                             : CheckItem{};
        notebook_->tags().show_tag(focused_item.name);

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
            notebook_->range().set_start_text(
                gb_to_qt(text.substr(0, text.size() - rules::extension(text).size())));
        }
    });
}

void TForm1::N6Click() {
    actions_.run([&] { select_all_and_pick(); });
}

void TForm1::N10Click() {
    notebook_->names().select_all_names();
    N6Click();
}

void TForm1::Button26Click() {
    actions_.run([&] { pick_all_anew(); });
}

void TForm1::Button28Click() {
    ListBox1->list()->remove(ListBox1->focused_row());
}

// "刷新" reads the folder again even when nothing the program did changed it: files added or
// renamed by others since must show.
void TForm1::Button34Click() {
    actions_.run([&] { full_refresh(); });
}

void TForm1::CheckBox12Click() {
    ListBox1->list()->set_all_checked(CheckBox12->isChecked());
}

void TForm1::ListBox1DblClick() {
    ListBox1->toggle_selected_checks();
}

void TForm1::CheckBox13Click() {
    actions_.run([&] {
        if (CheckBox13->isChecked()) {
            if (FilterComboBox1->set_filter(FilterComboBox::standard_filter(true))) {
                FileListBox1->set_mask(FilterComboBox1->current_mask());
                FilterComboBox1Change();
            }
            FilterComboBox1->setCurrentIndex(0);
            FileListBox1->set_kinds(platform::EntryKinds::Folders);
        } else {
            FileListBox1->set_kinds(platform::EntryKinds::Files);
        }
        pick_all_anew();
    });
}

void TForm1::reread_file_list() {
    FileListBox1->reread();
}

void TForm1::full_refresh() {
    reread_file_list();
    rebuild_folder_list();
    // Both lists were made anew: hand back what the old ones of a huge folder held.
    platform::hand_back_free_memory();
}

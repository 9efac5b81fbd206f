#include "check_list.h"
#include "directory_list.h"
#include "drive_combo.h"
#include "errors.h"
#include "file_list.h"
#include "filesystem.h"
#include "filter_combo.h"
#include "gb_text.h"
#include "main_window.h"
#include "options.h"
#include "path_edit.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <cerrno>

using namespace tarvendi;
using namespace tarvendi::ui;

void TForm1::connect_navigation() {
    connect(Edit16, &PathEdit::enter_pressed, this, &TForm1::Edit16KeyPress);
    connect(Edit16, &PathEdit::focus_left, this, &TForm1::Edit16Exit);
    connect(DirectoryListBox1, &QListWidget::itemClicked, this, &TForm1::DirectoryListBox1Click);
    connect(DirectoryListBox1, &DirectoryListBox::open_requested, this,
            [this](const std::string &folder) { actions_.run([&] { open_folder(folder); }); });
    connect(DriveComboBox1, &DriveComboBox::drive_chosen, this, [this](const std::string &folder) {
        actions_.run([&] {
            if (!platform::folder_exists(folder))
                throw platform::IoError(ENOENT, platform::escaped_text(folder));
            open_folder(folder);
        });
    });
    connect(FilterComboBox1, &FilterComboBox::entry_chosen, this, [this] {
        actions_.run([&] {
            FileListBox1->set_mask(FilterComboBox1->current_mask());
            FilterComboBox1Change();
        });
    });
    connect(FileListBox1, &FileListBox::picked_by_user, this, &TForm1::FileListBox1Click);
    connect(Button26, &QPushButton::clicked, this, &TForm1::Button26Click);
    connect(Button28, &QPushButton::clicked, this, &TForm1::Button28Click);
    connect(Button29, &QPushButton::clicked, this, &TForm1::Button29Click);
    connect(Button30, &QPushButton::clicked, this, &TForm1::Button30Click);
    connect(Button34, &QPushButton::clicked, this, &TForm1::Button34Click);
    connect(CheckBox12, &QCheckBox::clicked, this, &TForm1::CheckBox12Click);
    connect(CheckBox13, &QCheckBox::clicked, this, &TForm1::CheckBox13Click);
    connect(ListBox1, &QAbstractItemView::doubleClicked, this, &TForm1::ListBox1DblClick);
}

void TForm1::open_folder(const std::string &folder) {
    FileListBox1->set_folder(folder);
    DirectoryListBox1->set_current(folder);
    DriveComboBox1->show_folder(folder);
    DirectoryListBox1Change();
}

void TForm1::rebuild_folder_list() {
    DirectoryListBox1->rebuild();
    FileListBox1->set_folder(DirectoryListBox1->current());
    DirectoryListBox1Change();
}

void TForm1::DirectoryListBox1Change() {
    actions_.run([&] {
        Edit16->setText(gb_to_qt(DirectoryListBox1->current()));
        pick_all_anew();
        // The dot entries need no unchecking: they can never be checked.
        FileListBox1->set_kinds(directory_mode() ? platform::EntryKinds::Folders
                                                 : platform::EntryKinds::Files);
    });
}

void TForm1::DirectoryListBox1Click() {
    Edit16->setText(gb_to_qt(DirectoryListBox1->current()));
}

void TForm1::Edit16KeyPress() {
    apply_path_text();
}

void TForm1::Edit16Exit() {
    apply_path_text();
}

void TForm1::apply_path_text() {
    // The error box of a bad path takes the focus away from the field; that is not a new exit.
    if (handling_path_)
        return;
    QScopedValueRollback guard(handling_path_, true);
    actions_.run([&] {
        const std::string text = qt_to_gb(Edit16->text());
        // Folder names are compared exactly: "sub" and "SUB" are two folders here.
        if (text.empty() || text == DirectoryListBox1->current())
            return;
        open_folder(typed_folder(text));
    });
}

void TForm1::FilterComboBox1Change() {
    actions_.run([&] { pick_all_anew(); });
}

void TForm1::N11Click() {
    FilterComboBox1->open_on_typing();
    FilterComboBox1->setFocus();
}

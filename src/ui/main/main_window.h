#pragma once
// TForm1, the main window. Its code is split by concern: layout (main_window.cpp, layout.cpp),
// folder navigation (navigation.cpp), the working list (working_list.cpp), the rename pass
// runner (pass_runner.cpp) and one file per notebook page's rule bindings (page_*.cpp).

#include "messages.h"
#include "pass.h"

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QListView;
class QTabWidget;
class TMP3Info;
class TFabout;
class TFpara;
class TFpara2;

namespace tarvendi::ui {
// The window speaks the engine's words.
using core::ItemRefused;
using core::PassDescription;
using core::PassItem;
using core::PreviewShows;
using core::RuleInput;
using core::Target;

// What a pass refreshes after it ran.
enum class Refresh { None, FileList, Full };

class CheckListBox;
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class FilterComboBox;
class PathEdit;
class PreviewModel;
class UpDown;
} // namespace tarvendi::ui

class TForm1 : public QMainWindow {
    Q_OBJECT
    friend class FolderBench; // times the refresh apart from the rename pass
public:
    explicit TForm1(QWidget *parent = nullptr);
    // The dialogs that the menus and pages open; they outlive the main window's use of them.
    void attach_windows(TFabout *about, TFpara *para, TFpara2 *para2);

public slots:
    // Start-up and navigation.
    void FormCreate();
    void FormShow();
    void DirectoryListBox1Change();
    void DirectoryListBox1Click();
    void Edit16KeyPress();
    void Edit16Exit();
    void FilterComboBox1Change();
    void N11Click();

    // The working list.
    void FileListBox1Click();
    void N6Click();
    void N10Click();
    void Button26Click();
    void Button28Click();
    void Button34Click();
    void CheckBox12Click();
    void CheckBox13Click();
    void ListBox1DblClick();

    // Reordering by drag and drop, shared by the working list and the preview list. sender is
    // the list under the pointer, source the control the drag started from, (x, y) a point in
    // the list's viewport.
    bool CheckListBox1DragOver(QObject *sender, QObject *source, int x, int y);
    void CheckListBox1DragDrop(QObject *sender, QObject *source, int x, int y);
    void Button29Click();
    void Button30Click();

    // The help menu.
    void N5Click();
    void N13Click();

    // Page "通配符改名".
    void Button6Click();
    void Button35Click();

    // Page "字符模糊替换".
    void Button1Click();
    void Button33Click();
    void Edit20Change();

    // Page "序号替换".
    void Button21Click();
    void Edit4Change();

    // Page "替换".
    void Button31Click();
    void Button36Click();
    void Button37Click();

    // Page "修改扩展名".
    void Button5Click();

    // Page "数字位补0".
    void Button38Click();

    // MP3 tags: menu "mp3", pages "mp3标签" and "mp3通配符换名".
    void mp32Click();
    void mp34Click();
    void Button10Click();
    void Button13Click();
    void Button8Click();
    void Button12Click();

    // Page "文本换名": rename from the name list Memo6 (page_names.cpp) and the name-list tools
    // (name_list_tools.cpp). DoSearchPathFile appends the visible sub-folders of folder.
    void Button14Click();
    void Button16Click();
    void Button22Click();
    void DoSearchPathFile(const QString &folder);
    void Button17Click();
    void Button23Click();
    void Button24Click();
    void Button40Click();
    void Button2Click();

private:
    QWidget *build_names_page();
    QComboBox *ComboBox1 = nullptr;
    QLineEdit *Edit13 = nullptr;
    QPlainTextEdit *Memo5 = nullptr;
    QPushButton *Button15 = nullptr;
    QPushButton *Button14 = nullptr;
    QPushButton *Button17 = nullptr;
    QCheckBox *chk_del_ext = nullptr;
    QPushButton *Button16 = nullptr;
    QPushButton *Button22 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button23 = nullptr;
    QPushButton *Button24 = nullptr;
    QLineEdit *Edit22 = nullptr;
    QLineEdit *Edit23 = nullptr;
    QPushButton *Button40 = nullptr;

public slots:
    // Page "特殊改名" (page_special.cpp) and the cleaning commands of the menu "文件名操作"
    // (menu_cleaning.cpp).
    void N2Click();
    void N3Click();
    void N8Click();
    void N12Click();
    void Button4Click();
    void Button19Click();
    void Button20Click();
    void Button27Click();

private:
    QWidget *build_special_page();
    // Renames every file-list entry to clean(name); a question chooses rename or preview.
    void clean_file_list(const QString &question, bool trim,
                         const std::function<std::string(const std::string &name)> &clean);
    // Reorders the whole text of every working-list item; the fields of a dialog are read by
    // reorder for each item.
    void reorder_items(bool execute,
                       const std::function<std::string(const std::string &text)> &reorder);
    QCheckBox *CheckBox5 = nullptr;
    QCheckBox *CheckBox6 = nullptr;
    QCheckBox *CheckBox7 = nullptr;
    QCheckBox *CheckBox8 = nullptr;
    QCheckBox *CheckBox9 = nullptr;
    QCheckBox *CheckBox10 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button18 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QPushButton *Button19 = nullptr;
    QPushButton *Button20 = nullptr;
    QPushButton *Button27 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build_layout();
    void build_menus();
    void build_pages();
    QWidget *build_wildcard_page();
    QWidget *build_range_page();
    QWidget *build_sequence_page();
    QWidget *build_replace_page();
    QWidget *build_extension_page();
    QWidget *build_padding_page();
    QWidget *build_tag_page();
    QWidget *build_tag_rename_page();
    void connect_navigation();
    void setup_drag();

    // Navigation steps shared by several reactions; they throw the platform's errors.
    void open_folder(const std::string &folder);
    void apply_path_text();
    void select_all_and_pick();

    // Refresh operations.
    void reread_file_list();
    void rebuild_folder_list();
    void full_refresh();

    // Runs a rule over the working list (or the items given) and shows its results.
    std::vector<tarvendi::ui::PassItem> working_items() const;
    // Selects every file-list entry (the re-read after the pass clears the selection again) and
    // returns them as items in the file list's folder.
    std::vector<tarvendi::ui::PassItem> all_file_list_items();
    void run_pass(const tarvendi::ui::PassDescription &description,
                  const std::vector<tarvendi::ui::PassItem> &items, bool execute,
                  tarvendi::ui::Refresh after);
    void report_refused(const std::vector<tarvendi::core::RefusedRename> &refused);
    bool directory_mode() const;
    bool sent_by(const QObject *button) const;
    std::int32_t read_number(const QLineEdit *field) const;
    void set_preview(tarvendi::core::Plan &plan);
    void clear_preview();
    // The tag page shows the tag of the file that a selection in the file list focused on.
    void show_tag_of(const std::string &path);
    // Reads the tag of path into MP3Info1 when it names an MP3 file; nothing otherwise.
    std::optional<std::string> read_tag(const std::string &path);
    void rename_file_list_from_tags(bool with_artist);
    // Walks every working-list item; write() prepares MP3Info1 for an item (false: skip it),
    // which is then saved and listed.
    void write_tags(const std::function<bool(const std::string &item)> &write);

    tarvendi::ui::ActionRunner actions_{this};

    // Upper area.
    tarvendi::ui::PathEdit *Edit16 = nullptr;
    tarvendi::ui::DriveComboBox *DriveComboBox1 = nullptr;
    tarvendi::ui::DirectoryListBox *DirectoryListBox1 = nullptr;
    tarvendi::ui::FilterComboBox *FilterComboBox1 = nullptr;
    tarvendi::ui::FileListBox *FileListBox1 = nullptr;
    tarvendi::ui::CheckListBox *ListBox1 = nullptr;
    QListView *ListBox2 = nullptr;
    tarvendi::ui::PreviewModel *preview_model_ = nullptr;
    QLabel *Label26 = nullptr;
    QCheckBox *CheckBox12 = nullptr;
    QCheckBox *CheckBox13 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Button26 = nullptr;
    QPushButton *Button34 = nullptr;
    QPushButton *Button28 = nullptr;
    QPushButton *Button29 = nullptr;
    QPushButton *Button30 = nullptr;

    // Notebook and status bar.
    QTabWidget *PageControl1 = nullptr;
    QLabel *StatusBar1Panel0 = nullptr;
    QLabel *StatusBar1Panel1 = nullptr;

    // Pages "mp3标签" and "mp3通配符换名".
    QLineEdit *Edit15 = nullptr;
    QLineEdit *Edit8 = nullptr;
    QLineEdit *Edit14 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button8 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit9 = nullptr;
    QPushButton *Button11 = nullptr;
    QPushButton *Button10 = nullptr;
    QPushButton *Button13 = nullptr;
    QPushButton *Button12 = nullptr;

    // Page "通配符改名".
    QLineEdit *Edit11 = nullptr;
    QComboBox *edit10 = nullptr;
    QPushButton *Button35 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button6 = nullptr;

    // Page "字符模糊替换" (its start text Edit1 is with the fields the working list writes).
    QLineEdit *Edit2 = nullptr;
    QComboBox *edit7 = nullptr;
    QLineEdit *Edit20 = nullptr;
    QCheckBox *CheckBox4 = nullptr;
    QPushButton *Button33 = nullptr;
    QPushButton *Button9 = nullptr;
    QPushButton *Button1 = nullptr;

    // Page "序号替换".
    QLineEdit *Edit17 = nullptr;
    QLineEdit *Edit18 = nullptr;
    QComboBox *edit19 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QPushButton *Button21 = nullptr;
    QPushButton *Button25 = nullptr;

    // Page "替换".
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QCheckBox *CheckBox11 = nullptr;
    QPushButton *Button36 = nullptr;
    QPushButton *Button37 = nullptr;
    QPushButton *Button31 = nullptr;
    QPushButton *Button32 = nullptr;

    // Page "修改扩展名".
    QLineEdit *Edit12 = nullptr;
    QPushButton *Button7 = nullptr;
    QPushButton *Button5 = nullptr;

    // Page "数字位补0".
    QLineEdit *Edit21 = nullptr;
    tarvendi::ui::UpDown *UpDown1 = nullptr;
    QPushButton *Button38 = nullptr;
    QPushButton *Button39 = nullptr;

    // Fields other pages own but the working list writes or reads.
    QLineEdit *Edit1 = nullptr;
    QPlainTextEdit *Memo6 = nullptr;

    // Menus.
    QAction *N6 = nullptr;
    QAction *N10 = nullptr;

    TFabout *Fabout = nullptr;
    TFpara *Fpara = nullptr;
    TFpara2 *Fpara2 = nullptr;
    TMP3Info *MP3Info1 = nullptr;
    QFileDialog *SaveDialog1 = nullptr;
    bool shown_once_ = false;
    bool handling_path_ = false;
};

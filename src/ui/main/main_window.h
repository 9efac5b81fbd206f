#pragma once
// TForm1, the main window. Its code is split by concern: layout (main_window.cpp, layout.cpp),
// folder navigation (navigation.cpp), the working list (working_list.cpp), reordering
// (reordering.cpp), running a pass (pass_runner.cpp) and the menu commands (menu_*.cpp). Each
// notebook page is a class of its own (pages/, in the Notebook), which asks the window only
// through PassHost; the preview column is a PreviewPanel.

#include "clean.h"
#include "messages.h"
#include "pass_host.h"

#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class TMP3Info;
class TFabout;
class TFpara;
class TFpara2;

namespace tarvendi::ui {
class CheckListBox;
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class FilterComboBox;
class HistoryWindow;
class Notebook;
class PathEdit;
struct PathRequest;
class PreviewPanel;
class UndoCommand;
} // namespace tarvendi::ui

class TForm1 : public QMainWindow, public tarvendi::ui::PassHost {
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

    // The menu "mp3".
    void mp32Click();
    void mp34Click();

    // The name list's folder extraction, which scripts and tests call on the window.
    void DoSearchPathFile(const QString &folder);

public:
    // What the command line names (open_paths.h): its folder opens as a typed path would, and
    // its files become the working list, checked, in their order.
    void open_paths(const tarvendi::ui::PathRequest &request);
    // Absolute GB18030 paths dropped from a file manager: as open_paths, except that files of
    // the folder shown are added to the working list (checked, each once) rather than replace it.
    void drop_paths(const std::vector<std::string> &paths);

public slots:
    // The cleaning commands of the menu "文件名操作" (menu_cleaning.cpp).
    void N2Click();
    void N3Click();
    void N8Click();
    void N12Click();
    // "撤销上次改名".
    void N14Click();
    // "改名记录…".
    void N21Click();

public: // PassHost
    void act(const std::function<void()> &action) override;
    bool has_items(const QString &message) override;
    std::vector<tarvendi::core::PassItem> working_items() const override;
    std::vector<std::string> working_texts() const override;
    std::string focused_item() const override;
    std::string shown_folder() const override;
    QString path_text() const override;
    bool directory_mode() const override;
    void run_pass(const tarvendi::core::PassDescription &description,
                  const std::vector<tarvendi::core::PassItem> &items, bool execute,
                  tarvendi::ui::Refresh after) override;
    void clear_preview() override;
    void clear_working_list() override;
    tarvendi::core::Journal &journal() override;

private:
    // Removes classes from every file-list entry's name; a question chooses rename or preview.
    void clean_file_list(const QString &question, bool trim, tarvendi::rules::CleanClasses classes);
    void rename_file_list_from_tags(bool with_artist);
    // Adds the remembered option "标签改名包括其他音频格式" (N23) to the menu "mp3".
    void add_audio_formats_option(QMenu *mp3);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void build_layout();
    void build_menus();
    void connect_navigation();
    void setup_drag();
    void setup_file_drops();

    // Navigation steps shared by several reactions; they throw the platform's errors.
    void open_folder(const std::string &folder);
    void apply_path_text();
    void select_all_and_pick();
    // Empties the working list and the preview, then picks every file-list entry.
    void pick_all_anew();
    // The paths' folder and files (open_paths.cpp); add_here: files of the folder shown join
    // the working list instead of replacing it. Boxes tell what was missing or left out.
    void take_request(const tarvendi::ui::PathRequest &request, bool add_here);
    // Bare names in the folder shown into the working list, checked, each once.
    void take_files(const std::vector<std::string> &names, bool replace);

    // Refresh operations.
    void reread_file_list();
    void rebuild_folder_list();
    void full_refresh();
    // The history window, when it is open, after an execute or an undo.
    void refresh_history();

    // Selects every file-list entry (the re-read after the pass clears the selection again) and
    // returns them as items, names in the file list's folder.
    std::vector<tarvendi::core::PassItem> all_file_list_items();
    // run_pass over items that are names in folder.
    void run_pass_in(std::string_view folder, const tarvendi::core::PassDescription &description,
                     const std::vector<tarvendi::core::PassItem> &items, bool execute,
                     tarvendi::ui::Refresh after);

    tarvendi::ui::ActionRunner actions_{this};

    // Upper area.
    tarvendi::ui::PathEdit *Edit16 = nullptr;
    tarvendi::ui::DriveComboBox *DriveComboBox1 = nullptr;
    tarvendi::ui::DirectoryListBox *DirectoryListBox1 = nullptr;
    tarvendi::ui::FilterComboBox *FilterComboBox1 = nullptr;
    tarvendi::ui::FileListBox *FileListBox1 = nullptr;
    tarvendi::ui::CheckListBox *ListBox1 = nullptr;
    tarvendi::ui::PreviewPanel *preview_ = nullptr;
    QCheckBox *CheckBox12 = nullptr;
    QCheckBox *CheckBox13 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Button26 = nullptr;
    QPushButton *Button34 = nullptr;
    QPushButton *Button28 = nullptr;
    QPushButton *Button29 = nullptr;
    QPushButton *Button30 = nullptr;

    // Notebook and status bar.
    tarvendi::ui::Notebook *notebook_ = nullptr;
    QLabel *StatusBar1Panel0 = nullptr;
    QLabel *StatusBar1Panel1 = nullptr;

    // Menus.
    tarvendi::ui::UndoCommand *undo_ = nullptr;
    tarvendi::ui::HistoryWindow *history_ = nullptr; // made when first opened
    QAction *N6 = nullptr;
    QAction *N15 = nullptr;
    QAction *N16 = nullptr;
    QAction *N23 = nullptr;
    QAction *N10 = nullptr;

    TFabout *Fabout = nullptr;
    TMP3Info *MP3Info1 = nullptr;
    bool shown_once_ = false;
    bool handling_path_ = false;
};

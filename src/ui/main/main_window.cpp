#include "main_window.h"

#include "MP3Info.h"

#include "check_list.h"
#include "directory_list.h"
#include "drive_combo.h"
#include "file_list.h"
#include "filesystem.h"
#include "filter_combo.h"
#include "gb_text.h"
#include "live_preview.h"
#include "names_page.h"
#include "notebook.h"
#include "path_edit.h"
#include "preview_panel.h"
#include "special_page.h"
#include "undo_command.h"
#include "window_font.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>

using namespace tarvendi;
using namespace tarvendi::ui;

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent) {
    const std::string start = platform::start_folder();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Tarvendi（含mp3标签自动操作）7.1  绿色版"));
    setFont(window_font({QStringLiteral("宋体"), QStringLiteral("SimSun")}, 13));
    resize(932, 706);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    MP3Info1 = new TMP3Info(this);
    MP3Info1->setObjectName(QStringLiteral("MP3Info1"));
    MP3Info1->setGenreID(12);

    build_layout();
    build_menus();
    // Its option is the last item of the menu "文件名操作"; it watches the notebook and the
    // working list.
    add_live_preview(*menuBar()->findChild<QMenu *>(QStringLiteral("N1")), *notebook_, *this,
                     *ListBox1->list(), *preview_);
    connect_navigation();

    FilterComboBox1->set_filter(FilterComboBox::standard_filter(false));
    DirectoryListBox1->set_current(start);
    DriveComboBox1->show_folder(start);
    actions_.run([&] { FileListBox1->set_folder(start); });
    FormCreate();
}

void TForm1::attach_windows(TFabout *about, TFpara *para, TFpara2 *para2) {
    Fabout = about;
    notebook_->special().attach_dialogs(para, para2);
    notebook_->names().attach_dialog(para);
}

void TForm1::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!shown_once_ && !event->spontaneous()) {
        shown_once_ = true;
        FormShow();
    }
}

void TForm1::FormCreate() {
    setup_drag();
    setup_file_drops();
    Edit16->setText(gb_to_qt(DirectoryListBox1->current()));
}

void TForm1::FormShow() {
    actions_.run([&] { rebuild_folder_list(); });
    actions_.run([&] { undo_->offer_interrupted(); });
}

void TForm1::DoSearchPathFile(const QString &folder) {
    notebook_->names().DoSearchPathFile(folder);
}

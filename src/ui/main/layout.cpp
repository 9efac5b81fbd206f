#include "captioned_column.h"
#include "check_list.h"
#include "directory_list.h"
#include "drive_combo.h"
#include "file_list.h"
#include "filter_combo.h"
#include "history_window.h"
#include "language_menu.h"
#include "main_window.h"
#include "notebook.h"
#include "option_item.h"
#include "options.h"
#include "page_widgets.h"
#include "path_edit.h"
#include "preview_panel.h"
#include "select_all_router.h"
#include "status_panels.h"
#include "tag_page.h"
#include "undo_command.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

using namespace tarvendi::ui;

void TForm1::build_layout() {
    auto *central = new QWidget;
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // The lists take whatever the window grows by; the notebook keeps its height.
    auto *panel1 = named(new QWidget, "Panel1");
    panel1->setMinimumHeight(365);
    auto *upper = new QHBoxLayout(panel1);
    upper->setContentsMargins(0, 0, 0, 0);
    upper->setSpacing(0);

    Edit16 = named(new PathEdit, "Edit16");
    DriveComboBox1 = named(new DriveComboBox, "DriveComboBox1");
    DirectoryListBox1 = named(new DirectoryListBox, "DirectoryListBox1");
    FilterComboBox1 = named(new FilterComboBox, "FilterComboBox1");
    QWidget *panel3 = captioned_column(
        tr("选择目录"), {Edit16, DriveComboBox1, DirectoryListBox1, FilterComboBox1}, 216);
    panel3->setObjectName(QStringLiteral("Panel3"));
    upper->addWidget(panel3);

    FileListBox1 = named(new FileListBox, "FileListBox1");
    FileListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    QWidget *file_column = captioned_column(tr("手工选择部分文件"), {FileListBox1}, 137);

    auto *panel7 = named(new QWidget, "Panel7");
    auto *buttons = new QVBoxLayout(panel7);
    buttons->setContentsMargins(2, 16, 2, 2);
    CheckBox12 = named(new QCheckBox(tr("全选")), "CheckBox12");
    CheckBox12->setChecked(true);
    CheckBox13 = named(new QCheckBox(tr("目录")), "CheckBox13");
    CheckBox1 = named(new QCheckBox(tr("累加")), "CheckBox1");
    Button26 = named(new QPushButton(tr("重选")), "Button26");
    Button34 = named(new QPushButton(tr("刷新")), "Button34");
    Button28 = named(new QPushButton(tr("移出")), "Button28");
    Button29 = named(new QPushButton(tr("上移")), "Button29");
    Button30 = named(new QPushButton(tr("下移")), "Button30");
    const std::initializer_list<QAbstractButton *> column{
        CheckBox12, CheckBox13, CheckBox1, Button26, Button34, Button28, Button29, Button30};
    for (QAbstractButton *w : column)
        buttons->addWidget(w);
    buttons->addStretch();
    const QMargins margins = buttons->contentsMargins();
    panel7->setFixedWidth(button_column_width(column, margins.left() + margins.right()));

    auto *left = new QWidget;
    auto *left_layout = new QHBoxLayout(left);
    left_layout->setContentsMargins(0, 0, 0, 0);
    left_layout->setSpacing(0);
    left_layout->addWidget(file_column);
    left_layout->addWidget(panel7);

    ListBox1 = named(new CheckListBox, "ListBox1");
    ListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    preview_ = new PreviewPanel;
    preview_->scroll_with(ListBox1);

    auto *panel4 = named(new QSplitter(Qt::Horizontal), "Panel4");
    panel4->setHandleWidth(8);
    panel4->setStyleSheet(QStringLiteral("QSplitter::handle { background: aqua; }"));
    panel4->setChildrenCollapsible(false);
    panel4->addWidget(left);
    panel4->addWidget(captioned_column(tr("拖动文件，可调整文件顺序！"), {ListBox1}));
    panel4->addWidget(preview_);
    panel4->setSizes({137 + 47, 239, 932 - 216 - 137 - 47 - 239 - 16});
    panel4->setStretchFactor(2, 1);
    upper->addWidget(panel4, 1);
    outer->addWidget(panel1, 1);

    auto *panel2 = named(new QWidget, "Panel2");
    panel2->setFixedHeight(264);
    auto *lower = new QVBoxLayout(panel2);
    lower->setContentsMargins(0, 0, 0, 0);
    notebook_ = new Notebook(*this, *MP3Info1);
    lower->addWidget(notebook_);
    outer->addWidget(panel2);
    setCentralWidget(central);

    const StatusPanels status = status_panels();
    StatusBar1Panel0 = status.work;
    StatusBar1Panel1 = status.hint;
    setStatusBar(status.bar);
}

void TForm1::build_menus() {
    auto *bar = named(new QMenuBar, "MainMenu1");
    setMenuBar(bar);
    auto item = [this](QMenu *menu, const char *name, const QString &caption, auto slot) {
        QAction *action = named(menu->addAction(caption), name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu *choose = named(bar->addMenu(tr("选择")), "N9");
    N10 = item(choose, "N10", tr("全选"), &TForm1::N10Click);
    N10->setShortcut(QKeySequence::SelectAll);
    item(choose, "N11", tr("选择指定类型"), &TForm1::N11Click);
    // Like a filter change: the file list is read again in the new order, and picked anew.
    option_item(choose, "N17", tr("按数字大小排序"), numeric_order(), [this](bool on) {
        set_numeric_order(on);
        actions_.run([&] {
            FileListBox1->set_numeric_order(on);
            pick_all_anew();
        });
    });
    FileListBox1->set_numeric_order(numeric_order());

    QMenu *names = named(bar->addMenu(tr("文件名操作")), "N1");
    item(names, "N2", tr("去除文件名中的数字"), &TForm1::N2Click);
    item(names, "N3", tr("去除文件名中的字母"), &TForm1::N3Click);
    item(names, "N8", tr("去除文件名中的- _"), &TForm1::N8Click);
    item(names, "N12", tr("去除文件名中的空格"), &TForm1::N12Click);
    names->addSeparator();
    item(names, "N21", tr("改名记录…"), &TForm1::N21Click);
    // In a text field Ctrl+Z stays the field's own undo: the field takes the key first.
    QAction *undo = item(names, "N14", tr("撤销上次改名"), &TForm1::N14Click);
    undo->setShortcut(QKeySequence::Undo);
    undo_ = new UndoCommand(
        this, undo, [this] { full_refresh(); },
        [this](const QString &text) { preview_->tell(text); });
    // Another process (tarvendi-cli) may have written a record since.
    connect(names, &QMenu::aboutToShow, undo_, &UndoCommand::update);
    N15 = option_item(names, "N15", tr("自动处理名称交换和顺延"), swaps_and_shifts(),
                      set_swaps_and_shifts);

    QMenu *mp3 = named(bar->addMenu(QStringLiteral("mp3")), "mp31");
    item(mp3, "mp32", tr("用mp3标签命名文件  艺术家+标题+序号"), &TForm1::mp32Click);
    item(mp3, "mp34", tr("用mp3标签命名文件  标题+序号"), &TForm1::mp34Click);
    N16 = option_item(mp3, "N16", tr("优先读取 ID3v2 标签"), prefer_id3v2(), [this](bool on) {
        set_prefer_id3v2(on);
        notebook_->tags().show_help(on);
    });
    add_audio_formats_option(mp3);

    QMenu *help = named(bar->addMenu(tr("帮助")), "N4");
    item(help, "N5", tr("关于"), &TForm1::N5Click);
    item(help, "N13", tr("支持广告"), &TForm1::N13Click);
    add_language_menu(help, this);

    auto *popup = named(new QMenu(this), "PopupMenu1");
    N6 = item(popup, "N6", tr("全选"), &TForm1::N6Click);
    N6->setShortcut(QKeySequence::SelectAll);
    N6->setShortcutContext(Qt::WidgetShortcut);
    FileListBox1->addAction(N6);
    ListBox1->addAction(N6);
    qApp->installEventFilter(new SelectAllRouter(this, N6, N10, {FileListBox1, ListBox1}));
}

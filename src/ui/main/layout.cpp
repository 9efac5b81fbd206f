#include "check_list.h"
#include "directory_list.h"
#include "drive_combo.h"
#include "extension_page.h"
#include "file_list.h"
#include "filter_combo.h"
#include "main_window.h"
#include "names_page.h"
#include "padding_page.h"
#include "page_widgets.h"
#include "path_edit.h"
#include "preview_list.h"
#include "range_page.h"
#include "replace_page.h"
#include "select_all_router.h"
#include "sequence_page.h"
#include "special_page.h"
#include "tag_page.h"
#include "tag_rename_page.h"
#include "wildcard_page.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tarvendi::ui;

namespace {

// A column of the upper area: its caption in the header strip (with beside, when given, after
// it), then its controls.
QWidget *column(const QString &caption, std::initializer_list<QWidget *> widgets, int width = -1,
                QWidget *beside = nullptr) {
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *label = new QLabel(caption);
    label->setFixedHeight(16);
    if (beside) {
        auto *strip = new QHBoxLayout;
        strip->addWidget(label);
        strip->addSpacing(12);
        strip->addWidget(beside, 1);
        layout->addLayout(strip);
    } else {
        layout->addWidget(label);
    }
    for (QWidget *w : widgets)
        layout->addWidget(w, w->inherits("QAbstractItemView") ? 1 : 0);
    if (width > 0)
        box->setFixedWidth(width);
    return box;
}

} // namespace

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
    QWidget *panel3 = column(QStringLiteral("选择目录"),
                             {Edit16, DriveComboBox1, DirectoryListBox1, FilterComboBox1}, 216);
    panel3->setObjectName(QStringLiteral("Panel3"));
    upper->addWidget(panel3);

    FileListBox1 = named(new FileListBox, "FileListBox1");
    FileListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    QWidget *file_column = column(QStringLiteral("手工选择部分文件"), {FileListBox1}, 137);

    auto *panel7 = named(new QWidget, "Panel7");
    panel7->setFixedWidth(47);
    auto *buttons = new QVBoxLayout(panel7);
    buttons->setContentsMargins(2, 16, 2, 2);
    CheckBox12 = named(new QCheckBox(QStringLiteral("全选")), "CheckBox12");
    CheckBox12->setChecked(true);
    CheckBox13 = named(new QCheckBox(QStringLiteral("目录")), "CheckBox13");
    CheckBox1 = named(new QCheckBox(QStringLiteral("累加")), "CheckBox1");
    Button26 = named(new QPushButton(QStringLiteral("重选")), "Button26");
    Button34 = named(new QPushButton(QStringLiteral("刷新")), "Button34");
    Button28 = named(new QPushButton(QStringLiteral("移出")), "Button28");
    Button29 = named(new QPushButton(QStringLiteral("上移")), "Button29");
    Button30 = named(new QPushButton(QStringLiteral("下移")), "Button30");
    for (QWidget *w : std::initializer_list<QWidget *>{CheckBox12, CheckBox13, CheckBox1, Button26,
                                                       Button34, Button28, Button29, Button30})
        buttons->addWidget(w);
    buttons->addStretch();

    auto *left = new QWidget;
    auto *left_layout = new QHBoxLayout(left);
    left_layout->setContentsMargins(0, 0, 0, 0);
    left_layout->setSpacing(0);
    left_layout->addWidget(file_column);
    left_layout->addWidget(panel7);

    ListBox1 = named(new CheckListBox, "ListBox1");
    ListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    ListBox2 = named(new QListView, "ListBox2");
    preview_model_ = new PreviewModel(this);
    Label26 = named(new QLabel, "Label26");
    Label26->setFixedHeight(16);
    Label26->setStyleSheet(QStringLiteral("color: #c00000;"));
    ListBox2->setModel(preview_model_);
    ListBox2->setUniformItemSizes(true);
    ListBox2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox2->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto *panel4 = named(new QSplitter(Qt::Horizontal), "Panel4");
    panel4->setHandleWidth(8);
    panel4->setStyleSheet(QStringLiteral("QSplitter::handle { background: aqua; }"));
    panel4->setChildrenCollapsible(false);
    panel4->addWidget(left);
    panel4->addWidget(column(QStringLiteral("拖动文件，可调整文件顺序！"), {ListBox1}));
    panel4->addWidget(column(QStringLiteral("改名预览"), {ListBox2}, -1, Label26));
    panel4->setSizes({137 + 47, 239, 932 - 216 - 137 - 47 - 239 - 16});
    panel4->setStretchFactor(2, 1);
    upper->addWidget(panel4, 1);
    outer->addWidget(panel1, 1);

    auto *panel2 = named(new QWidget, "Panel2");
    panel2->setFixedHeight(264);
    auto *lower = new QVBoxLayout(panel2);
    lower->setContentsMargins(0, 0, 0, 0);
    PageControl1 = named(new QTabWidget, "PageControl1");
    lower->addWidget(PageControl1);
    outer->addWidget(panel2);
    setCentralWidget(central);

    auto *status = named(new QStatusBar, "StatusBar1");
    status->setFixedHeight(19);
    status->setSizeGripEnabled(false);
    StatusBar1Panel0 = named(new QLabel(QStringLiteral("Tarvendi 批量改名")), "StatusBar1Panel0");
    StatusBar1Panel0->setFixedWidth(250);
    StatusBar1Panel1 =
        named(new QLabel(QStringLiteral(
                  "请先选择文件，然后操作。ctrl+A 全选 ctrl+单击 多选 shift+单击 连选")),
              "StatusBar1Panel1");
    StatusBar1Panel1->setFixedWidth(400);
    status->addWidget(StatusBar1Panel0);
    status->addWidget(StatusBar1Panel1);
    setStatusBar(status);
}

void TForm1::build_menus() {
    auto *bar = named(new QMenuBar, "MainMenu1");
    setMenuBar(bar);
    auto item = [this](QMenu *menu, const char *name, const QString &caption, auto slot) {
        QAction *action = named(menu->addAction(caption), name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu *choose = named(bar->addMenu(QStringLiteral("选择")), "N9");
    N10 = item(choose, "N10", QStringLiteral("全选"), &TForm1::N10Click);
    N10->setShortcut(QKeySequence::SelectAll);
    item(choose, "N11", QStringLiteral("选择指定类型"), &TForm1::N11Click);

    QMenu *names = named(bar->addMenu(QStringLiteral("文件名操作")), "N1");
    item(names, "N2", QStringLiteral("去除文件名中的数字"), &TForm1::N2Click);
    item(names, "N3", QStringLiteral("去除文件名中的字母"), &TForm1::N3Click);
    item(names, "N8", QStringLiteral("去除文件名中的- _"), &TForm1::N8Click);
    item(names, "N12", QStringLiteral("去除文件名中的空格"), &TForm1::N12Click);

    QMenu *mp3 = named(bar->addMenu(QStringLiteral("mp3")), "mp31");
    item(mp3, "mp32", QStringLiteral("用mp3标签命名文件  艺术家+标题+序号"), &TForm1::mp32Click);
    item(mp3, "mp34", QStringLiteral("用mp3标签命名文件  标题+序号"), &TForm1::mp34Click);

    QMenu *help = named(bar->addMenu(QStringLiteral("帮助")), "N4");
    item(help, "N5", QStringLiteral("关于"), &TForm1::N5Click);
    item(help, "N13", QStringLiteral("支持广告"), &TForm1::N13Click);

    auto *popup = named(new QMenu(this), "PopupMenu1");
    N6 = item(popup, "N6", QStringLiteral("全选"), &TForm1::N6Click);
    N6->setShortcut(QKeySequence::SelectAll);
    N6->setShortcutContext(Qt::WidgetShortcut);
    FileListBox1->addAction(N6);
    ListBox1->addAction(N6);
    qApp->installEventFilter(new SelectAllRouter(this, N6, N10, {FileListBox1, ListBox1}));
}

void TForm1::build_pages() {
    auto page = [this](const char *name, const QString &caption, QWidget *content) {
        content->setObjectName(QLatin1String(name));
        PageControl1->addTab(content, caption);
    };
    names_page_ = new NamesPage(*this);
    range_page_ = new RangePage(*this);
    sequence_page_ = new SequencePage(*this);
    special_page_ = new SpecialPage(*this);
    tag_page_ = new TagPage(*this, *MP3Info1);
    page("TabSheet7", QStringLiteral("文本换名"), names_page_);
    page("TabSheet5", QStringLiteral("通配符改名"), new WildcardPage(*this));
    page("TabSheet9", QStringLiteral("替换"), new ReplacePage(*this));
    page("TabSheet1", QStringLiteral("字符模糊替换"), range_page_);
    page("TabSheet2", QStringLiteral("序号替换"), sequence_page_);
    page("TabSheet8", QStringLiteral("特殊改名"), special_page_);
    page("TabSheet4", QStringLiteral("修改扩展名"), new ExtensionPage(*this));
    page("TabSheet3", QStringLiteral("mp3标签"), tag_page_);
    page("TabSheet6", QStringLiteral("mp3通配符换名"), new TagRenamePage(*this, *MP3Info1));
    page("TabSheet10", QStringLiteral("数字位补0"), new PaddingPage(*this));
    PageControl1->setCurrentIndex(0);
    // The range and sequence pages share one start number. A copy of an equal text changes
    // nothing and emits nothing, so the mirroring ends after one copy.
    connect(range_page_, &RangePage::start_number_edited, sequence_page_,
            &SequencePage::set_start_number);
    connect(sequence_page_, &SequencePage::start_number_edited, range_page_,
            &RangePage::set_start_number);
}

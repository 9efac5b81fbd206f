#include "status_panels.h"

#include "page_widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

namespace tarvendi::ui {

StatusPanels status_panels() {
    auto *bar = named(new QStatusBar, "StatusBar1");
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(false);
    auto *work = named(new QLabel(QCoreApplication::translate("StatusPanels", "Tarvendi 批量改名")),
                       "StatusBar1Panel0");
    work->setFixedWidth(250);
    auto *hint = named(
        new QLabel(QCoreApplication::translate(
            "StatusPanels", "请先选择文件，然后操作。ctrl+A 全选 ctrl+单击 多选 shift+单击 连选")),
        "StatusBar1Panel1");
    hint->setFixedWidth(400);
    bar->addWidget(work);
    bar->addWidget(hint);
    return {bar, work, hint};
}

} // namespace tarvendi::ui

// Page "修改扩展名": the checked files get a new extension, in the folder the path field shows.

#include "extension_page.h"
#include "gb_text.h"
#include "page_widgets.h"
#include "pass_host.h"
#include "rule_passes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

namespace tarvendi::ui {

ExtensionPage::ExtensionPage(PassHost &host)
    : RulePage(host) {
    auto *group = new QGroupBox;
    auto *grid = new QGridLayout(group);
    Edit12 = line_edit("Edit12");
    Button7 = push_button("Button7", tr("预览"));
    Button5 = push_button("Button5", tr("执行"));

    grid->addWidget(new QLabel(tr("新扩展名")), 0, 0);
    grid->addWidget(Edit12, 0, 1, 1, 2);
    grid->addWidget(Button7, 1, 1);
    grid->addWidget(Button5, 1, 2);
    grid->setRowStretch(2, 1);

    auto *help = new QTextEdit;
    help->setObjectName(QStringLiteral("RichEdit1"));
    help->setPlainText(tr("  \n  将选中文件的扩展名直接改称新\n的扩展名"));
    help->setReadOnly(true);

    connect(Button7, &QPushButton::clicked, this, &ExtensionPage::Button5Click);
    connect(Button5, &QPushButton::clicked, this, &ExtensionPage::Button5Click);
    rule_page(this, group, help);
}

void ExtensionPage::Button5Click() {
    // The new name is bare; it goes to the folder the file list shows, also for an item of
    // another folder gathered in accumulate mode, and never to a path typed but not opened.
    run_rule(Button5, [&] {
        return passes::change_extension(qt_to_gb(Edit12->text()), host_.shown_folder());
    });
}

} // namespace tarvendi::ui

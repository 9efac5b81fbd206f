#include "uabout.h"

#include "about_text.h"
#include "window_font.h"

#include <QTextEdit>
#include <QVBoxLayout>

TFabout::TFabout(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Fabout"));
    setWindowTitle(QStringLiteral("Fabout"));
    resize(801, 581);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setFont(tarvendi::ui::window_font(
        {QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN")},
        21));
    RichEdit1->setStyleSheet(QStringLiteral("QTextEdit { background: #CCFFCC; color: black; }"));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHtml(about_text());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit1);
}

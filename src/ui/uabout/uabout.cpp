#include "uabout.h"

#include <QTextEdit>
#include <QVBoxLayout>

TFabout::TFabout(QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Fabout"));
    setWindowTitle(QStringLiteral("Fabout"));
    resize(801, 581);
    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit1);
}

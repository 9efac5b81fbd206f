#include "para.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

TFpara::TFpara(QWidget *parent)
    : ParamDialog("Fpara", QRect(398, 270, 398, 107), 16, parent) {
    add_label("Label1", tr("开始位置"), {24, 8, 64, 16});
    Edit1 = add_edit("Edit1", QStringLiteral("1"), {104, 8, 121, 24});
    add_label("Label2", tr("长度"), {24, 48, 32, 16});
    Edit2 = add_edit("Edit2", QStringLiteral("3"), {104, 40, 121, 24});
    add_buttons({256, 8, 75, 25}, {256, 40, 75, 25});
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Button1);
    setTabOrder(Button1, Button2);
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
}

void TFpara::Edit1Click() {
    Edit1->selectAll();
}

void TFpara::Edit2Click() {
    Edit2->selectAll();
}

bool TFpara::eventFilter(QObject *watched, QEvent *event) {
    // A click places the cursor on release; select afterwards so the selection stays.
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Edit1)
            Edit1Click();
        else if (watched == Edit2)
            Edit2Click();
    }
    return ParamDialog::eventFilter(watched, event);
}

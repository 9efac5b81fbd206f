#include "para2.h"

#include <QLineEdit>
#include <QPushButton>

TFpara2::TFpara2(QWidget *parent)
    : ParamDialog("Fpara2", QRect(192, 107, 525, 210), 15, parent) {
    add_label("Label3", tr("字符串原始位置"), {24, 8, 105, 15});
    add_label("Label1", tr("开始位置"), {88, 32, 60, 15});
    Edit1 = add_edit("Edit1", QStringLiteral("1"), {168, 32, 121, 23});
    add_label("Label2", tr("长度"), {88, 72, 30, 15});
    Edit2 = add_edit("Edit2", QStringLiteral("6"), {168, 64, 121, 23});
    add_label("Label4", tr("字符串目标位置"), {40, 104, 105, 15});
    Edit3 = add_edit("Edit3", QStringLiteral("999"), {168, 104, 121, 23});
    add_label("Label5", tr("说明：目标位置输入0，表示文件头；999，表示文件尾"), {72, 144, 362, 15});
    add_buttons({320, 32, 75, 25}, {320, 64, 75, 25});
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Edit3);
}

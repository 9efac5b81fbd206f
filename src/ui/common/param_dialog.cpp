#include "param_dialog.h"

#include "window_font.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvendi::ui {

ParamDialog::ParamDialog(const char *name, QRect geometry, int font_pixels, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QLatin1String(name));
    setWindowTitle(QLatin1String(name));
    setFont(window_font({QStringLiteral("宋体"), QStringLiteral("SimSun")}, font_pixels));
    // move() places the window frame, as the given left and top mean; setGeometry() would
    // place the client area there instead.
    setFixedSize(geometry.size());
    move(geometry.topLeft());
}

QLabel *ParamDialog::add_label(const char *name, const QString &caption, QRect at) {
    auto *label = new QLabel(caption, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(at);
    return label;
}

QLineEdit *ParamDialog::add_edit(const char *name, const QString &text, QRect at) {
    auto *edit = new QLineEdit(text, this);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(at);
    return edit;
}

void ParamDialog::add_buttons(QRect preview_at, QRect execute_at) {
    Button1 = new QPushButton(tr("预览"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(preview_at);
    Button2 = new QPushButton(tr("确定"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(execute_at);
    for (QPushButton *button : {Button1, Button2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(Button1, &QPushButton::clicked, this, &ParamDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ParamDialog::Button2Click);
}

void ParamDialog::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace tarvendi::ui

#include "Unit2.h"

#include "window_font.h"

TForm2::TForm2(QWidget *parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Form2"));
    setFont(tarvendi::ui::window_font({QStringLiteral("MS Sans Serif")}, 11));
    resize(741, 561);
}

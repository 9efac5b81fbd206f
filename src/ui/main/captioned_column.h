#pragma once
// A column of the main window's upper area: its caption in the header strip (with `beside`, when
// given, after it), then its controls, the lists among them taking the height.

#include <QString>
#include <initializer_list>

class QAbstractButton;
class QWidget;

namespace tarvendi::ui {

QWidget *captioned_column(const QString &caption, std::initializer_list<QWidget *> widgets,
                          int width = -1, QWidget *beside = nullptr);

// The width of a column of check boxes and buttons: as narrow as two Chinese characters allow,
// wider where a longer caption (English) would be cut off. `margins`: the column's own, left and
// right together.
int button_column_width(std::initializer_list<QAbstractButton *> column, int margins);

} // namespace tarvendi::ui

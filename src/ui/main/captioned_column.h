#pragma once
// A column of the main window's upper area: its caption in the header strip (with `beside`, when
// given, after it), then its controls, the lists among them taking the height.

#include <QString>
#include <initializer_list>

class QWidget;

namespace tarvendi::ui {

QWidget *captioned_column(const QString &caption, std::initializer_list<QWidget *> widgets,
                          int width = -1, QWidget *beside = nullptr);

} // namespace tarvendi::ui

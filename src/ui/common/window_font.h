#pragma once
// Fonts asked for by name fall back to the CJK families a Linux desktop has.

#include <QFont>
#include <QStringList>

namespace tarvendi::ui {

QFont window_font(const QStringList &preferred, int pixel_size);

} // namespace tarvendi::ui

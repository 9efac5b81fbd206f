#include "options.h"

#include <QSettings>

namespace tarvendi::ui {

namespace {

const QString kSwapsAndShifts = QStringLiteral("rename/swaps_and_shifts");

QSettings settings() {
    return QSettings(QStringLiteral("tarvendi"), QStringLiteral("tarvendi"));
}

} // namespace

bool swaps_and_shifts() {
    return settings().value(kSwapsAndShifts, false).toBool();
}

void set_swaps_and_shifts(bool on) {
    settings().setValue(kSwapsAndShifts, on);
}

} // namespace tarvendi::ui

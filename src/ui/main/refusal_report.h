#pragma once
// The box after a pass that lists what was not renamed and why: the first lines, then how many
// more.

#include "plan.h"

#include <QString>
#include <vector>

class QWidget;

namespace tarvendi::ui {

// Shows nothing when nothing was refused. changed: how many changes the same execute made,
// which the box says undo takes back.
void report_refused(QWidget *parent, const std::vector<core::RefusedRename> &refused,
                    std::size_t changed = 0);

// What undo takes back after an execute that changed `changed` things and then failed or was
// refused in part; empty when it changed nothing.
QString undo_hint(std::size_t changed);

} // namespace tarvendi::ui

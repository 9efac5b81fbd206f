#pragma once
// The box after a pass that lists what was not renamed and why: the first lines, then how many
// more.

#include "plan.h"

#include <vector>

class QWidget;

namespace tarvendi::ui {

// Shows nothing when nothing was refused.
void report_refused(QWidget *parent, const std::vector<core::RefusedRename> &refused);

} // namespace tarvendi::ui

#pragma once
// The options the program remembers between runs, in ~/.config/tarvendi/tarvendi.conf (QSettings).

namespace tarvendi::ui {

// "自动处理名称交换和顺延": renames run in an order that frees each name before it is taken.
bool swaps_and_shifts();
void set_swaps_and_shifts(bool on);

} // namespace tarvendi::ui

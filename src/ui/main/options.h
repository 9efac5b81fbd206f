#pragma once
// The options the program remembers between runs, in ~/.config/tarvendi/tarvendi.conf (QSettings).

namespace tarvendi::ui {

// "自动处理名称交换和顺延": renames run in an order that frees each name before it is taken.
bool swaps_and_shifts();
void set_swaps_and_shifts(bool on);

// "按数字大小排序": the lists sort runs of digits by their value.
bool numeric_order();
void set_numeric_order(bool on);

// "优先读取 ID3v2 标签": a song's fields come from its ID3v2 tag where it has them.
bool prefer_id3v2();
void set_prefer_id3v2(bool on);

} // namespace tarvendi::ui

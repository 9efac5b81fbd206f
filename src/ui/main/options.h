#pragma once
// The options the program remembers between runs, in ~/.config/tarvendi/tarvendi.conf (QSettings).

#include <optional>

namespace tarvendi::ui {

enum class Language;

// "自动处理名称交换和顺延": renames run in an order that frees each name before it is taken.
bool swaps_and_shifts();
void set_swaps_and_shifts(bool on);

// "按数字大小排序": the lists sort runs of digits by their value.
bool numeric_order();
void set_numeric_order(bool on);

// "优先读取 ID3v2 标签": a song's fields come from its ID3v2 tag where it has them.
bool prefer_id3v2();
void set_prefer_id3v2(bool on);

// "语言 / Language": the language chosen in the help menu, none until the user chooses one.
std::optional<Language> saved_language();
void set_saved_language(Language language);

} // namespace tarvendi::ui

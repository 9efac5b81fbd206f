#pragma once
// The options the program remembers between runs, in ~/.config/tarvendi/tarvendi.conf (QSettings).

#include <optional>

namespace tarvendi::ui {

enum class Language;

// "自动处理名称交换和顺延": renames run in an order that frees each name before it is taken.
bool swaps_and_shifts();
void set_swaps_and_shifts(bool on);

// "实时预览": the page shown previews on its own while the user types.
bool live_preview();
void set_live_preview(bool on);

// "按数字大小排序": the lists sort runs of digits by their value.
bool numeric_order();
void set_numeric_order(bool on);

// "优先读取 ID3v2 标签": a song's fields come from its ID3v2 tag where it has them.
bool prefer_id3v2();
void set_prefer_id3v2(bool on);

// "标签改名包括其他音频格式": renaming by tags, and the tag page, read FLAC, Ogg, M4A, WMA and the
// other formats of audio_tags.h besides MP3.
bool all_audio_formats();
void set_all_audio_formats(bool on);

// "照片用拍摄时间" (CheckBox17): the wildcard page's "/" and ":" take the date a photo was taken.
bool photo_dates();
void set_photo_dates(bool on);

// "语言 / Language": the language chosen in the help menu, none until the user chooses one.
std::optional<Language> saved_language();
void set_saved_language(Language language);

} // namespace tarvendi::ui

#pragma once
// What the tag pages and the tag commands of the menu share: reading a song's tag, the question
// before they change many files, and the pass that writes tags.

#include "pass.h"

#include <QString>
#include <functional>
#include <string>

class TMP3Info;

namespace tarvendi::ui {

// Reads the tag of path into tags when it names an MP3 file; false, and nothing read, otherwise.
bool read_tag(TMP3Info &tags, const std::string &path);

// "是否要按格式添加？" with the usual lines on previewing and on undoing.
QString format_question();

// A pass that renames nothing: for every working-list item, write prepares tags for it (false:
// skip the item), the tag is saved and the item listed; a failed save is refused with the
// component's text.
core::PassDescription tag_writing(TMP3Info &tags,
                                  const std::function<bool(const std::string &item)> &write);

} // namespace tarvendi::ui

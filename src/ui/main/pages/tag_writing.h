#pragma once
// What the tag pages and the tag commands of the menu share besides the tag passes: the question
// before they change many files.

#include "tag_passes.h"

#include <QString>

namespace tarvendi::ui {

using passes::read_tag;
using passes::tag_writing;

// "是否要按格式添加？" with the usual lines on previewing and on undoing.
QString format_question();

} // namespace tarvendi::ui

#pragma once
// The engine speaks Chinese UTF-8 without Qt (refusal reasons, journal errors); the window shows
// those texts in its own language.

#include <QString>
#include <string_view>

namespace tarvendi::ui {

// The text in the window's language. A text the engine builds from a fixed lead and a detail
// (an error of the system, a path) has its lead translated and its detail kept.
QString core_text(std::string_view text);

} // namespace tarvendi::ui

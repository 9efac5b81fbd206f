#include "language.h"

#include "english.h"

#include <cstdlib>

namespace tarvendi::cli {

namespace {

std::string_view variable(const char *name) {
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

bool speaks_english() {
    const std::string_view forced = variable("TARVENDI_LANG");
    if (forced == "en" || forced == "zh")
        return forced == "en";
    std::string_view locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = variable(name); !locale.empty())
            break;
    return locale == "en" || locale.starts_with("en_") || locale.starts_with("en.") ||
           locale.starts_with("en@");
}

std::string said(std::string_view engine_text) {
    return speaks_english() ? core::english(engine_text) : std::string(engine_text);
}

} // namespace tarvendi::cli

#include "language.h"

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

} // namespace tarvendi::cli

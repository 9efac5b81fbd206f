#pragma once
// The language tarvendi-cli speaks, chosen from the environment as the window chooses its own:
// TARVENDI_LANG "en" or "zh", else the first of LC_ALL, LC_MESSAGES and LANG that is set;
// English for "en", "en_*", "en.*" and "en@*", Chinese for anything else and for none.

#include <string_view>

namespace tarvendi::cli {

bool speaks_english();

// text in the language spoken: english, or chinese.
inline std::string_view spoken(std::string_view english, std::string_view chinese) {
    return speaks_english() ? english : chinese;
}

} // namespace tarvendi::cli

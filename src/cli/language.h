#pragma once
// The language tarvendi-cli speaks, chosen from the environment as the window chooses its own:
// TARVENDI_LANG "en" or "zh", else the first of LC_ALL, LC_MESSAGES and LANG that is set;
// English for "en", "en_*", "en.*" and "en@*", Chinese for anything else and for none.

#include <string>
#include <string_view>

namespace tarvendi::cli {

bool speaks_english();

// text in the language spoken: english, or chinese.
inline std::string spoken(std::string_view english, std::string_view chinese) {
    return std::string(speaks_english() ? english : chinese);
}

// An engine text (a refusal's reason, an error's message) in the language spoken.
std::string said(std::string_view engine_text);

} // namespace tarvendi::cli

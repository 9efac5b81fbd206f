#include "list_rename.h"

#include "text.h"

namespace tarvendi::rules {

bool list_rename_numbers(std::string_view tmpl) {
    return !trim(tmpl).empty();
}

std::string list_rename(std::string_view old_name, std::string_view line, std::string_view tmpl,
                        std::int32_t counter, bool directory_mode) {
    std::string v = trim(line);
    if (!directory_mode)
        v += extension(old_name);
    if (list_rename_numbers(tmpl))
        v.insert(0, fill_counter(trim(tmpl), counter));
    return trim(v);
}

} // namespace tarvendi::rules

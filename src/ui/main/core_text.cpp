#include "core_text.h"

#include "english.h"
#include "language.h"

namespace tarvendi::ui {

QString core_text(std::string_view text) {
    if (current_language() == Language::English)
        return QString::fromStdString(core::english(text));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tarvendi::ui

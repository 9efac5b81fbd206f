#pragma once
// The language of the windows: Chinese (the texts as written in the code) or English (a
// translation built into the program).

#include <QString>
#include <QStringView>
#include <optional>

namespace tarvendi::ui {

enum class Language { Chinese, English };

// "zh" and "en", the codes of TARVENDI_LANG and of the saved choice.
std::optional<Language> language_from_code(QStringView code);
QString language_code(Language language);

// The decision, from the first of: `override` (TARVENDI_LANG: "zh" or "en"; any other value is
// no override), the choice saved from the menu, the locale (the first of LC_ALL, LC_MESSAGES and
// LANG that is set). Only an English locale (en, en_*) gives English; C and POSIX give Chinese.
Language pick_language(QStringView override, std::optional<Language> saved, QStringView locale);

// The decision for this run, from the environment and the saved choice.
Language chosen_language();

// Installs the translation of `language` (Qt's own Chinese texts for Chinese) in place of the
// one installed before, and names the application in it. Windows made afterwards use it.
void use_language(Language language);

// The language installed last (Chinese before any).
Language current_language();

} // namespace tarvendi::ui

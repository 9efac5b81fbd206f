#include "language.h"

#include "options.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace tarvendi::ui {

namespace {

Language installed = Language::Chinese;

QString first_set(std::initializer_list<const char *> variables) {
    for (const char *variable : variables) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

// The translators outlive every window; a new choice replaces the old one.
std::unique_ptr<QTranslator> &slot() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> load(const QString &name, const QString &folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder))
        return nullptr;
    return translator;
}

} // namespace

std::optional<Language> language_from_code(QStringView code) {
    if (code == u"zh")
        return Language::Chinese;
    if (code == u"en")
        return Language::English;
    return std::nullopt;
}

QString language_code(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

Language pick_language(QStringView override, std::optional<Language> saved, QStringView locale) {
    if (const std::optional<Language> forced = language_from_code(override))
        return *forced;
    if (saved)
        return *saved;
    const bool english = locale == u"en" || locale.startsWith(u"en_") ||
                         locale.startsWith(u"en.") || locale.startsWith(u"en@");
    return english ? Language::English : Language::Chinese;
}

Language chosen_language() {
    return pick_language(qEnvironmentVariable("TARVENDI_LANG"), saved_language(),
                         first_set({"LC_ALL", "LC_MESSAGES", "LANG"}));
}

void use_language(Language language) {
    if (slot())
        QCoreApplication::removeTranslator(slot().get());
    // Chinese windows take the standard buttons' 是 and 否 from Qt; English ones need nothing
    // beyond the program's own translation.
    slot() = language == Language::English
                 ? load(QStringLiteral("tarvendi_en"), QStringLiteral(":/i18n"))
                 : load(QStringLiteral("qtbase_zh_CN"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (slot())
        QCoreApplication::installTranslator(slot().get());
    installed = language;
    // The application's title; a display name would be appended to every window caption.
    QCoreApplication::setApplicationName(
        QCoreApplication::translate("Application", "Tarvendi（含MP3批量更名）绿色版"));
}

Language current_language() {
    return installed;
}

} // namespace tarvendi::ui

#include "options.h"

#include "language.h"

#include <QSettings>

namespace tarvendi::ui {

namespace {

const QString kSwapsAndShifts = QStringLiteral("rename/swaps_and_shifts");
const QString kPreferId3v2 = QStringLiteral("tags/prefer_id3v2");
const QString kAllAudioFormats = QStringLiteral("tags/all_audio_formats");
const QString kNumericOrder = QStringLiteral("list/numeric_order");
const QString kLivePreview = QStringLiteral("rename/live_preview");
const QString kLanguage = QStringLiteral("ui/language");
const QString kPhotoDates = QStringLiteral("rename/photo_dates");

QSettings settings() {
    return QSettings(QStringLiteral("tarvendi"), QStringLiteral("tarvendi"));
}

} // namespace

bool swaps_and_shifts() {
    return settings().value(kSwapsAndShifts, false).toBool();
}

void set_swaps_and_shifts(bool on) {
    settings().setValue(kSwapsAndShifts, on);
}

bool live_preview() {
    return settings().value(kLivePreview, false).toBool();
}

void set_live_preview(bool on) {
    settings().setValue(kLivePreview, on);
}

bool numeric_order() {
    return settings().value(kNumericOrder, false).toBool();
}

void set_numeric_order(bool on) {
    settings().setValue(kNumericOrder, on);
}

bool prefer_id3v2() {
    return settings().value(kPreferId3v2, false).toBool();
}

void set_prefer_id3v2(bool on) {
    settings().setValue(kPreferId3v2, on);
}

bool all_audio_formats() {
    return settings().value(kAllAudioFormats, false).toBool();
}

void set_all_audio_formats(bool on) {
    settings().setValue(kAllAudioFormats, on);
}

bool photo_dates() {
    return settings().value(kPhotoDates, false).toBool();
}

void set_photo_dates(bool on) {
    settings().setValue(kPhotoDates, on);
}

std::optional<Language> saved_language() {
    return language_from_code(settings().value(kLanguage).toString());
}

void set_saved_language(Language language) {
    settings().setValue(kLanguage, language_code(language));
}

} // namespace tarvendi::ui

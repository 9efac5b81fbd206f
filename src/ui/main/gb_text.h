#pragma once
// The window shows QStrings and the rules work on GB18030 bytes; these two are the only way
// between them in the window code.

#include "display_text.h"
#include "tag_bytes.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace tarvendi::ui {

using tarvendi::byte_array;
using tarvendi::byte_string;

inline QString gb_to_qt(std::string_view gb) {
    const std::string utf8 = platform::display_text(gb);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string qt_to_gb(const QString &text) {
    const QByteArray utf8 = text.toUtf8();
    return platform::typed_text(std::string_view(utf8.constData(), utf8.size()));
}

} // namespace tarvendi::ui

#pragma once
// The same bytes in the containers of the two worlds: the window speaks QByteArray (the tag
// component's properties, the data of its lists), the rest of the program std::string.

#include <QByteArray>
#include <string>
#include <string_view>

namespace tarvendi {

inline QByteArray byte_array(std::string_view bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string byte_string(const QByteArray &bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace tarvendi

#include "window_font.h"

namespace tarvendi::ui {

QFont window_font(const QStringList &preferred, int pixel_size) {
    QFont font;
    font.setFamilies(preferred + QStringList{QStringLiteral("Noto Sans CJK SC"),
                                             QStringLiteral("Noto Serif CJK SC"),
                                             QStringLiteral("WenQuanYi Micro Hei"),
                                             QStringLiteral("WenQuanYi Zen Hei"),
                                             QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(pixel_size);
    return font;
}

} // namespace tarvendi::ui

#include "core_text.h"

#include <QCoreApplication>
#include <iterator>

namespace tarvendi::ui {

namespace {

constexpr const char *kContext = "CoreText";

// Every fixed text of the engine that can reach the window. The leads end in "：".
constexpr const char *kTexts[] = {
    QT_TRANSLATE_NOOP("CoreText", "目标已存在"),
    QT_TRANSLATE_NOOP("CoreText", "找不到文件"),
    QT_TRANSLATE_NOOP("CoreText", "名称无效"),
    QT_TRANSLATE_NOOP("CoreText", "名称过长"),
    QT_TRANSLATE_NOOP("CoreText", "名称无法转换编码"),
    QT_TRANSLATE_NOOP("CoreText", "没有权限"),
    QT_TRANSLATE_NOOP("CoreText", "此文件系统不允许该名称"),
    QT_TRANSLATE_NOOP("CoreText", "此文件系统不支持该操作"),
    QT_TRANSLATE_NOOP("CoreText", "名称无法转换"),
    QT_TRANSLATE_NOOP("CoreText", "正则表达式匹配超出限制"),
    QT_TRANSLATE_NOOP("CoreText", "改名后的文件已不在（已被再次改名或删除）"),
    QT_TRANSLATE_NOOP("CoreText", "文件夹中已有内容，未删除"),
    QT_TRANSLATE_NOOP("CoreText", "文件末尾已没有标签，未恢复"),
    QT_TRANSLATE_NOOP("CoreText", "标签已被再次修改"),
    QT_TRANSLATE_NOOP("CoreText", "执行中途停止，没有改名"),
    QT_TRANSLATE_NOOP("CoreText", "无法把损坏的撤销记录放到一旁："),
    QT_TRANSLATE_NOOP("CoreText", "新名称改变了文件夹，不会移动文件"),
    QT_TRANSLATE_NOOP("CoreText", "新名称以\".\"开头，文件会被隐藏"),
    QT_TRANSLATE_NOOP("CoreText", "名称未变"),
    QT_TRANSLATE_NOOP("CoreText", "与前面的新名称重复"),
    QT_TRANSLATE_NOOP("CoreText", "此文件夹存放撤销记录"),
    QT_TRANSLATE_NOOP("CoreText", "无法写入撤销记录，操作没有执行："),
};

} // namespace

QString core_text(std::string_view text) {
    for (const char *known : kTexts) {
        const std::string_view lead(known);
        if (text == lead)
            return QCoreApplication::translate(kContext, known);
        if (lead.ends_with("：") && text.starts_with(lead))
            return QCoreApplication::translate(kContext, known) +
                   QString::fromUtf8(text.data() + lead.size(),
                                     static_cast<qsizetype>(text.size() - lead.size()));
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tarvendi::ui

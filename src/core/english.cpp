#include "english.h"

#include "error_reasons.h"

namespace tarvendi::core {

namespace {

struct Pair {
    std::string_view chinese, english;
};

// Every fixed text of the engine and of the renames that can reach a user. The system's errors
// are translated by the platform, which words them.
constexpr Pair kTexts[] = {
    {"名称无效", "invalid name"},
    {"此文件系统不允许该名称", "this file system does not allow that name"},
    {"名称无法转换", "name cannot be converted"},
    {"正则表达式匹配超出限制", "regular expression match exceeded its limit"},
    {"改名后的文件已不在（已被再次改名或删除）",
     "the renamed file is gone (renamed again or deleted)"},
    {"文件夹中已有内容，未删除", "the folder is no longer empty, not deleted"},
    {"文件末尾已没有标签，未恢复", "the file no longer ends in a tag, not restored"},
    {"标签已被再次修改", "the tag was changed again"},
    {"无法把损坏的撤销记录放到一旁", "Cannot set the damaged undo record aside"},
    {"新名称改变了文件夹，不会移动文件", "the new name changes the folder; files are never moved"},
    {"新名称以\".\"开头，文件会被隐藏", "the new name starts with \".\", the file would be hidden"},
    {"名称未变", "name unchanged"},
    {"与前面的新名称重复", "same new name as an earlier file"},
    {"此文件夹存放撤销记录", "this folder holds the undo records"},
    {"无拍摄时间，用修改时间", "no date taken; the modification time is used"},
    {"无法写入撤销记录，操作没有执行", "Cannot write the undo record; nothing was done"},
};

constexpr std::string_view kColon = "：";

// The English of a whole text, or nothing when it is not one the engine makes.
std::string whole(std::string_view text) {
    for (const Pair &pair : kTexts)
        if (pair.chinese == text)
            return std::string(pair.english);
    return platform::english_error_reason(text);
}

} // namespace

std::string english(std::string_view engine_text) {
    if (std::string translated = whole(engine_text); !translated.empty())
        return translated;
    const std::size_t colon = engine_text.find(kColon);
    if (colon == std::string_view::npos)
        return std::string(engine_text);
    std::string head = whole(engine_text.substr(0, colon));
    if (head.empty())
        return std::string(engine_text);
    head += ": ";
    head += english(engine_text.substr(colon + kColon.size()));
    return head;
}

} // namespace tarvendi::core

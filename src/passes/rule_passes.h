#pragma once
// The pass of every renaming rule, made from the rule's parameters: the window's pages read them
// from their controls and the command line from its arguments, and both run the same pass, so
// that a rule renames alike in both. Texts are GB18030, like every name.

#include "clean.h"
#include "pass.h"
#include "regex_rule.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvendi::passes {

// A whole number, read when the pass needs it (a page reads its field then, so that a bad one
// stops the pass where the user expects); throws platform::ConversionError.
using Number = std::function<std::int32_t()>;
// A number known beforehand.
Number fixed(std::int32_t value);

// Page "通配符改名". With photo_dates, "/" and ":" take the date a photo was taken
// (platform/photo_date.h); a file without one keeps its last-write time, and its line says so.
core::PassDescription wildcard(std::string tmpl, Number start, bool photo_dates = false);
// Page "字符模糊替换": the stretch from start_text to end_typed (blanks typed around the end
// text are not searched for, but they lengthen the stretch).
core::PassDescription range(std::string start_text, std::string end_typed, std::string tmpl,
                            bool cut_ext, Number start);
// Page "序号替换": position and length are read for every item.
core::PassDescription sequence(Number position, Number length, std::string tmpl, Number start);
// Page "替换": blanks typed around the search text are not searched for, but they are deleted.
core::PassDescription replace(std::string find_typed, std::string with, bool cut_ext);
// Page "修改扩展名": the new names go to folder.
core::PassDescription change_extension(std::string new_ext, std::string folder);
// Page "数字位补0".
core::PassDescription pad(std::int32_t width);
// Page "特殊改名": the cleaned names go to folder.
core::PassDescription clean(rules::CleanClasses classes, std::string folder);
// The cleaning commands of the menu "文件名操作", over every item: each new name stays in its
// item's folder.
core::PassDescription remove_characters(rules::CleanClasses classes, bool trim);
// "中文数字转阿拉伯数字", over every item.
core::PassDescription numerals(bool ten_to_one);
// "移动字符" and "尾部前移", over every item.
core::PassDescription move(Number start, Number length, Number target);
core::PassDescription tail(Number start, Number length);
// A regular-expression replace, then a change of letter case (either may do nothing: an empty
// pattern replaces nothing), on the name without its extension unless with_ext. Pattern and
// replacement are UTF-8; the pattern is compiled here, so a bad one throws rules::RegexError
// before anything is planned. A match that gives up refuses its item. Each new name stays in its
// item's folder.
struct RegexReplace {
    std::string pattern, replacement;
    bool case_sensitive = true;
    bool all = true;
    bool with_ext = false;
    rules::LetterCase letter_case = rules::LetterCase::Keep;
};
core::PassDescription regex_replace(const RegexReplace &replace);
// Page "文本换名": the checked items take the lines of text (GB18030, "\n" between lines, as
// rules::list_lines counts them) in turn; items past the last line get an empty one. The lines
// are read out of text as the pass goes: a list of a million names is held once.
core::PassDescription name_list(std::string text, std::string tmpl, bool folders, Number start);

} // namespace tarvendi::passes

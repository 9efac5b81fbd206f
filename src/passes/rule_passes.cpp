#include "rule_passes.h"

#include "encoding.h"
#include "extension_rules.h"
#include "filesystem.h"
#include "list_rename.h"
#include "numerals.h"
#include "photo_date.h"
#include "positions.h"
#include "reorder.h"
#include "replace.h"
#include "text.h"
#include "wildcard.h"

#include <algorithm>
#include <memory>

namespace tarvendi::passes {

using core::PassDescription;
using core::PreviewShows;
using core::RuleInput;
using core::Target;
using Result = std::optional<std::string>;

constexpr std::string_view kNoPhotoDate = "无拍摄时间，用修改时间";

Number fixed(std::int32_t value) {
    return [value] {
        return value;
    };
}

PassDescription wildcard(std::string tmpl, Number start, bool photo_dates) {
    const bool needs_time = rules::wildcard_needs_time(tmpl);
    PassDescription d;
    d.start_number = std::move(start);
    d.rule = [tmpl = std::move(tmpl), needs_time, photo_dates](const RuleInput &in) -> Result {
        std::optional<rules::Timestamp> time;
        if (needs_time && photo_dates)
            time = platform::photo_taken_time(in.source);
        if (needs_time && !time) {
            time = platform::last_write_time(in.source);
            // A date that is not the one asked for must not pass unnoticed in the preview.
            if (photo_dates && time && in.note)
                *in.note = kNoPhotoDate;
        }
        return rules::wildcard_rename(in.name, tmpl, in.counter, time);
    };
    return d;
}

PassDescription range(std::string start_text, std::string end_typed, std::string tmpl, bool cut_ext,
                      Number start) {
    PassDescription d;
    d.trim = true;
    d.status_panel = true;
    d.target = Target::SameFolder;
    d.start_number = std::move(start);
    d.rule = [from = rules::trim(start_text), end = rules::trim(end_typed),
              end_size = end_typed.size(), tmpl = std::move(tmpl),
              cut_ext](const RuleInput &in) -> Result {
        return rules::range_replace(in.name, from, end, end_size, tmpl, in.counter, cut_ext);
    };
    return d;
}

PassDescription sequence(Number position, Number length, std::string tmpl, Number start) {
    PassDescription d;
    d.target = Target::SameFolder;
    d.start_number = std::move(start);
    d.rule = [position = std::move(position), length = std::move(length),
              tmpl = std::move(tmpl)](const RuleInput &in) -> Result {
        const std::int32_t at = position();
        const std::int32_t count = length();
        return rules::sequence_replace(in.name, at, count, tmpl, in.counter);
    };
    return d;
}

PassDescription replace(std::string find_typed, std::string with, bool cut_ext) {
    PassDescription d;
    d.trim = true;
    d.status_panel = true;
    d.target = Target::SameFolder;
    d.rule = [find = rules::trim(find_typed), typed_size = find_typed.size(),
              with = std::move(with), cut_ext](const RuleInput &in) -> Result {
        return rules::text_replace(in.name, find, typed_size, with, cut_ext);
    };
    return d;
}

PassDescription change_extension(std::string new_ext, std::string folder) {
    PassDescription d;
    d.target = Target::InFolder;
    d.folder = std::move(folder);
    d.preview = PreviewShows::FullTargetOnExecute;
    d.rule = [new_ext = std::move(new_ext)](const RuleInput &in) -> Result {
        return rules::change_extension(in.name, new_ext);
    };
    return d;
}

PassDescription pad(std::int32_t width) {
    PassDescription d;
    // A bare name: an item gathered from another folder moves into the current one.
    d.target = Target::CurrentFolder;
    d.rule = [width](const RuleInput &in) -> Result {
        return rules::pad_name(in.name, width);
    };
    return d;
}

PassDescription clean(rules::CleanClasses classes, std::string folder) {
    PassDescription d;
    d.file_name_part = true;
    d.target = Target::InFolder;
    d.folder = std::move(folder);
    d.rule = [classes](const RuleInput &in) -> Result {
        return rules::clean_name(in.name, classes);
    };
    return d;
}

PassDescription remove_characters(rules::CleanClasses classes, bool trim) {
    PassDescription d;
    d.checked_only = false;
    d.trim = trim;
    d.target = Target::InFolder;
    d.rule = [classes](const RuleInput &in) -> Result {
        return rules::clean_name(in.name, classes);
    };
    return d;
}

PassDescription numerals(bool ten_to_one) {
    PassDescription d;
    d.checked_only = false;
    d.file_name_part = true;
    d.rule = [ten_to_one](const RuleInput &in) -> Result {
        return rules::numerals_to_digits(in.name, ten_to_one);
    };
    return d;
}

namespace {

PassDescription reordering(std::function<std::string(const std::string &text)> reorder) {
    PassDescription d;
    d.checked_only = false;
    d.target = Target::SameFolder;
    d.rule = [reorder = std::move(reorder)](const RuleInput &in) -> Result {
        return reorder(in.name);
    };
    return d;
}

} // namespace

PassDescription move(Number start, Number length, Number target) {
    return reordering([start = std::move(start), length = std::move(length),
                       target = std::move(target)](const std::string &text) {
        const std::int32_t from = start();
        const std::int32_t count = length();
        const std::int32_t to = target();
        return rules::move_substring(text, from, count, to);
    });
}

PassDescription tail(Number start, Number length) {
    return reordering(
        [start = std::move(start), length = std::move(length)](const std::string &text) {
            const std::int32_t from = start();
            const std::int32_t count = length();
            return rules::tail_to_front(text, from, count);
        });
}

PassDescription regex_replace(const RegexReplace &replace) {
    std::optional<rules::Regex> regex;
    if (!replace.pattern.empty())
        regex.emplace(replace.pattern, rules::RegexOptions{replace.case_sensitive});
    PassDescription d;
    d.target = Target::InFolder;
    d.file_name_part = true;
    d.rule = [regex, replace](const RuleInput &in) -> Result {
        const std::string ext = replace.with_ext ? std::string() : rules::extension(in.name);
        const std::string base = in.name.substr(0, in.name.size() - ext.size());
        // Names are matched as Unicode text: "." is one Chinese character, not one byte.
        std::optional<std::string> text = platform::name_to_disk(base);
        if (!text)
            throw core::ItemRefused{"名称无法转换"};
        try {
            if (regex)
                text = regex->replace(*text, replace.replacement, replace.all);
        } catch (const rules::RegexGaveUp &) {
            throw core::ItemRefused{"正则表达式匹配超出限制"};
        }
        return platform::name_from_disk(rules::change_case(*text, replace.letter_case)) + ext;
    };
    return d;
}

PassDescription name_list(std::string text, std::string tmpl, bool folders, Number start) {
    PassDescription d;
    d.start_number = std::move(start);
    // Where the next line starts; shared by the copies a description may make of its rule.
    auto next_line = std::make_shared<std::size_t>(0);
    d.rule = [text = std::move(text), tmpl = std::move(tmpl), folders,
              next_line](const RuleInput &in) -> Result {
        std::string_view line;
        if (*next_line < text.size()) {
            const std::size_t end = std::min(text.find('\n', *next_line), text.size());
            line = std::string_view(text).substr(*next_line, end - *next_line);
            *next_line = end + 1;
        }
        return rules::list_rename(in.name, line, tmpl, in.counter, folders);
    };
    return d;
}

} // namespace tarvendi::passes

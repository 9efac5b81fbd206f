#include "report.h"

#include "display_text.h"
#include "language.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

namespace tarvendi::cli {

std::string shown(std::string_view gb18030) {
    return platform::escaped_text(gb18030);
}

namespace {

// Whether a name, as escaped_text writes it, could be read as something else in a line of the
// report: another name, a separator, a verdict, or a name with other blanks around it.
bool needs_quotes(std::string_view escaped) {
    constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
    return escaped.empty() || escaped.find('\\') != std::string_view::npos ||
           escaped.starts_with('"') || escaped.starts_with(' ') || escaped.ends_with(' ') ||
           escaped.starts_with(kIdeographicSpace) || escaped.ends_with(kIdeographicSpace) ||
           escaped.find("→") != std::string_view::npos ||
           escaped.find("  [") != std::string_view::npos ||
           escaped.find(": ") != std::string_view::npos;
}

void append_printed(std::string_view gb18030, std::string &out) {
    // Most names are plain ASCII, which escaped_text keeps as it is: spare them the copy.
    if (std::all_of(gb18030.begin(), gb18030.end(),
                    [](char c) {
                        return static_cast<unsigned char>(c) >= 0x20 &&
                               static_cast<unsigned char>(c) < 0x7f;
                    }) &&
        !needs_quotes(gb18030)) {
        out += gb18030;
        return;
    }
    const std::string escaped = shown(gb18030);
    if (!needs_quotes(escaped)) {
        out += escaped;
        return;
    }
    out += '"';
    for (const char c : escaped) {
        if (c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

// "written" for a tag written where the name stayed; else the verdict's word.
std::string_view verdict_word(core::Verdict verdict, bool wrote_tags) {
    return wrote_tags && verdict == core::Verdict::Unchanged ? "written"
                                                             : core::verdict_word(verdict);
}

void append_line(std::string_view old_name, std::string_view folder, std::string_view name,
                 std::string_view verdict, std::string_view reason, std::string &out) {
    append_printed(old_name, out);
    out += " → ";
    append_printed(folder.empty() ? std::string(name) : core::join(folder, name), out);
    if (verdict != core::verdict_word(core::Verdict::Rename)) {
        out += "  [";
        out += verdict;
        if (!reason.empty()) {
            out += ": ";
            out += said(reason);
        }
        out += ']';
    }
    out += '\n';
}

// Calls line(old name, target folder, target name, verdict, word, reason) for each line of a
// report; a written tag's line has the word "written" and no reason.
template <class F>
void each_line(const core::Plan &plan, const std::vector<core::RefusedRename> &refused_by_rules,
               bool wrote_tags, F line) {
    const auto with_word = [&](std::string_view old_name, std::string_view folder,
                               std::string_view name, core::Verdict verdict,
                               std::string_view reason) {
        const std::string_view word = verdict_word(verdict, wrote_tags);
        line(old_name, folder, name, verdict, word,
             word == verdict_word(verdict, false) ? reason : std::string_view());
    };
    for (const core::RefusedRename &r : refused_by_rules)
        with_word(r.source, std::string_view(), std::string_view(r.new_name), r.verdict, r.reason);
    std::string source;
    for (const core::PlannedRename &r : plan.renames) {
        plan.source_into(r, source);
        with_word(source, plan.target_folder(r), plan.target_name(r), r.verdict, r.reason);
    }
}

std::string summary(const Outcome &outcome, bool executed, bool wrote_tags, bool stopped) {
    const std::string renamed = std::to_string(outcome.renamed);
    const std::string refused = std::to_string(outcome.refused);
    if (wrote_tags) {
        const std::string written = std::to_string(outcome.written);
        return spoken("tags written " + written + ", refused " + refused,
                      "已写入标签 " + written + " 个，" + refused + " 个未写入");
    }
    if (executed && stopped)
        return spoken("renamed " + renamed + ", refused " + refused + ", stopped",
                      "已改名 " + renamed + " 个，" + refused + " 个未改名，已停止");
    return executed ? spoken("renamed " + renamed + ", refused " + refused,
                             "已改名 " + renamed + " 个，" + refused + " 个未改名")
                    : spoken("would rename " + renamed + ", would refuse " + refused,
                             "将改名 " + renamed + " 个，" + refused + " 个不会改名");
}

} // namespace

std::string undo_hint() {
    return spoken("; \"tarvendi-cli undo --execute\" takes back what was done",
                  "；\"tarvendi-cli undo --execute\" 可以撤销已做的改动");
}

std::string printed(std::string_view gb18030) {
    std::string out;
    append_printed(gb18030, out);
    return out;
}

Outcome report(const core::Plan &plan, const std::vector<core::RefusedRename> &refused_by_rules,
               const ReportKind &kind, const std::string &folder) {
    const bool wrote_tags = kind.executed && kind.wrote_tags;
    Outcome outcome;
    outcome.refused = refused_by_rules.size();
    for (const core::PlannedRename &r : plan.renames) {
        if (r.verdict == core::Verdict::Rename)
            ++outcome.renamed;
        else if (core::is_refusal(r.verdict))
            ++outcome.refused;
        else if (wrote_tags)
            ++outcome.written;
    }
    std::string out;
    std::string errors;
    const auto each = [&](auto &&line) {
        each_line(plan, refused_by_rules, wrote_tags, line);
    };
    if (kind.json) {
        nlohmann::ordered_json items = nlohmann::ordered_json::array();
        each([&](std::string_view old_name, std::string_view target_folder, std::string_view name,
                 core::Verdict, std::string_view word, std::string_view reason) {
            items.push_back({{"old", shown(old_name)},
                             {"new", shown(core::join(target_folder, name))},
                             {"verdict", word},
                             {"reason", said(reason)}});
        });
        nlohmann::ordered_json document = {{"folder", shown(folder)},
                                           {"items", std::move(items)},
                                           {"renamed", outcome.renamed},
                                           {"refused", outcome.refused}};
        if (wrote_tags)
            document["written"] = outcome.written;
        if (kind.executed && kind.stopped)
            document["stopped"] = true;
        out = document.dump(1, ' ', false, nlohmann::json::error_handler_t::replace);
        out += '\n';
    } else {
        // Written as it fills: the lines of a large folder never need room of their own.
        constexpr std::size_t kChunk = 64 * 1024;
        out.reserve(kChunk + 4096);
        each([&](std::string_view old_name, std::string_view target_folder, std::string_view name,
                 core::Verdict, std::string_view word, std::string_view reason) {
            append_line(old_name, target_folder, name, word, reason, out);
            if (out.size() >= kChunk) {
                std::fwrite(out.data(), 1, out.size(), stdout);
                out.clear();
            }
        });
    }
    if (outcome.refused != 0) {
        each([&](std::string_view old_name, std::string_view, std::string_view,
                 core::Verdict verdict, std::string_view, std::string_view reason) {
            if (core::is_refusal(verdict)) {
                append_printed(old_name, errors);
                errors += ": ";
                errors += said(reason);
                errors += '\n';
            }
        });
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    errors += summary(outcome, kind.executed, wrote_tags, kind.stopped);
    if (kind.executed && outcome.refused != 0 && outcome.renamed + outcome.written != 0)
        errors += undo_hint();
    errors += '\n';
    std::fwrite(errors.data(), 1, errors.size(), stderr);
    return outcome;
}

} // namespace tarvendi::cli

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

// Appends a GB18030 name as the terminal shows it; an ASCII name without controls goes as it is.
void append_shown(std::string_view gb18030, std::string &out) {
    if (std::all_of(gb18030.begin(), gb18030.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f &&
                   c != '\\';
        }))
        out += gb18030;
    else
        out += shown(gb18030);
}

void append_line(std::string_view old_name, std::string_view folder, std::string_view name,
                 core::Verdict verdict, std::string_view reason, std::string &out) {
    append_shown(old_name, out);
    out += " → ";
    if (!folder.empty()) {
        append_shown(folder, out);
        out += '/';
    }
    append_shown(name, out);
    if (verdict != core::Verdict::Rename) {
        out += "  [";
        out += core::verdict_word(verdict);
        out += ": ";
        out += reason;
        out += ']';
    }
    out += '\n';
}

// Calls line(old name, target folder, target name, verdict, reason) for each line of a report.
template <class F>
void each_line(const core::Plan &plan, const std::vector<core::RefusedRename> &refused_by_rules,
               F line) {
    for (const core::RefusedRename &r : refused_by_rules)
        line(r.source, std::string_view(), std::string_view(r.new_name), r.verdict, r.reason);
    std::string source;
    for (const core::PlannedRename &r : plan.renames) {
        plan.source_into(r, source);
        line(source, plan.target_folder(r), plan.target_name(r), r.verdict, r.reason);
    }
}

} // namespace

Outcome report(const core::Plan &plan, const std::vector<core::RefusedRename> &refused_by_rules,
               bool json, bool executed, const std::string &folder) {
    Outcome outcome;
    outcome.refused = refused_by_rules.size();
    for (const core::PlannedRename &r : plan.renames) {
        if (r.verdict == core::Verdict::Rename)
            ++outcome.renamed;
        else if (core::is_refusal(r.verdict))
            ++outcome.refused;
    }
    std::string out;
    std::string errors;
    const auto each = [&](auto &&line) {
        each_line(plan, refused_by_rules, line);
    };
    if (json) {
        nlohmann::ordered_json items = nlohmann::ordered_json::array();
        each([&](std::string_view old_name, std::string_view target_folder, std::string_view name,
                 core::Verdict verdict, std::string_view reason) {
            items.push_back({{"old", shown(old_name)},
                             {"new", shown(core::join(target_folder, name))},
                             {"verdict", core::verdict_word(verdict)},
                             {"reason", reason}});
        });
        out = nlohmann::ordered_json{{"folder", shown(folder)},
                                     {"items", std::move(items)},
                                     {"renamed", outcome.renamed},
                                     {"refused", outcome.refused}}
                  .dump(1, ' ', false, nlohmann::json::error_handler_t::replace);
        out += '\n';
    } else {
        // Written as it fills: the lines of a large folder never need room of their own.
        constexpr std::size_t kChunk = 64 * 1024;
        out.reserve(kChunk + 4096);
        each([&](std::string_view old_name, std::string_view target_folder, std::string_view name,
                 core::Verdict verdict, std::string_view reason) {
            append_line(old_name, target_folder, name, verdict, reason, out);
            if (out.size() >= kChunk) {
                std::fwrite(out.data(), 1, out.size(), stdout);
                out.clear();
            }
        });
    }
    if (outcome.refused != 0) {
        each([&](std::string_view old_name, std::string_view, std::string_view,
                 core::Verdict verdict, std::string_view reason) {
            if (core::is_refusal(verdict)) {
                append_shown(old_name, errors);
                errors += ": ";
                errors += reason;
                errors += '\n';
            }
        });
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    const std::string renamed = std::to_string(outcome.renamed);
    const std::string refused = std::to_string(outcome.refused);
    errors += executed ? spoken("renamed " + renamed + ", refused " + refused,
                                "已改名 " + renamed + " 个，" + refused + " 个未改名")
                       : spoken("would rename " + renamed + ", would refuse " + refused,
                                "将改名 " + renamed + " 个，" + refused + " 个不会改名");
    errors += '\n';
    std::fwrite(errors.data(), 1, errors.size(), stderr);
    return outcome;
}

} // namespace tarvendi::cli

#include "report.h"

#include "display_text.h"

#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

namespace tarvendi::cli {

std::string shown(std::string_view gb18030) {
    return platform::escaped_text(gb18030);
}

namespace {

struct Line {
    std::string old_name, new_name;
    std::string_view verdict;
    std::string reason;
};

} // namespace

Outcome report(const core::Plan &plan, const std::vector<core::RefusedRename> &refused_by_rules,
               bool json, const std::string &folder) {
    std::vector<Line> lines;
    lines.reserve(refused_by_rules.size() + plan.renames.size());
    for (const core::RefusedRename &r : refused_by_rules)
        lines.push_back({shown(r.source), shown(r.new_name), "invalid", r.reason});
    for (const core::PlannedRename &r : plan.renames)
        lines.push_back({shown(plan.source(r)), shown(plan.target(r)),
                         core::verdict_word(r.verdict), std::string(r.reason)});
    Outcome outcome;
    for (const Line &line : lines) {
        if (line.verdict == "rename")
            ++outcome.renamed;
        else if (line.verdict != "unchanged")
            ++outcome.refused;
    }
    if (json) {
        nlohmann::ordered_json items = nlohmann::ordered_json::array();
        for (const Line &line : lines)
            items.push_back({{"old", line.old_name},
                             {"new", line.new_name},
                             {"verdict", line.verdict},
                             {"reason", line.reason}});
        nlohmann::ordered_json doc = {{"folder", shown(folder)},
                                      {"items", std::move(items)},
                                      {"renamed", outcome.renamed},
                                      {"refused", outcome.refused}};
        std::cout << doc.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else {
        std::string out;
        for (const Line &line : lines) {
            out += line.old_name + " → " + line.new_name;
            if (line.verdict != "rename")
                out += "  [" + std::string(line.verdict) + ": " + line.reason + "]";
            out += '\n';
        }
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    for (const Line &line : lines)
        if (line.verdict != "rename" && line.verdict != "unchanged")
            std::cerr << line.old_name << ": " << line.reason << '\n';
    return outcome;
}

} // namespace tarvendi::cli

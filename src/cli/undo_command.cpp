#include "undo_command.h"

#include "journal.h"
#include "report.h"
#include "state_files.h"
#include "undo.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace tarvendi::cli {

namespace {

std::string step_text(const core::JournalStep &step) {
    switch (step.kind) {
    case core::StepKind::Rename:
        return step.target + " → " + step.path;
    case core::StepKind::Tag:
        return step.path + ": tag back as it was";
    case core::StepKind::Folder:
        return step.path + ": folder removed when empty";
    }
    return {};
}

} // namespace

int undo_last(bool execute, bool json) {
    core::Journal journal(platform::journal_folder());
    const std::optional<std::string> name = journal.newest();
    if (!name) {
        std::cerr << "tarvendi-cli: nothing to undo\n";
        return 0;
    }
    const core::JournalRecord record = journal.load(*name);
    // Undone in reverse order; a step that did not take place has nothing to undo.
    std::vector<std::string> steps;
    for (std::size_t i = record.steps.size(); i-- > 0;)
        if (std::find(record.failed.begin(), record.failed.end(), i) == record.failed.end())
            steps.push_back(step_text(record.steps[i]));
    std::vector<core::RefusedRename> refused;
    if (execute) {
        refused = core::undo(record);
        journal.mark_undone(*name);
    }
    if (json) {
        nlohmann::ordered_json failed = nlohmann::ordered_json::array();
        for (const core::RefusedRename &r : refused)
            failed.push_back({{"path", shown(r.source)}, {"reason", r.reason}});
        std::cout << nlohmann::ordered_json{{"record", *name},
                                            {"steps", steps},
                                            {"undone", execute},
                                            {"refused", failed}}
                         .dump(1, ' ', false, nlohmann::json::error_handler_t::replace)
                  << '\n';
    } else {
        for (const std::string &step : steps)
            std::cout << step << '\n';
    }
    for (const core::RefusedRename &r : refused)
        std::cerr << shown(r.source) << ": " << r.reason << '\n';
    return refused.empty() ? 0 : 1;
}

} // namespace tarvendi::cli

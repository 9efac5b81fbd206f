#include "undo_command.h"

#include "encoding.h"
#include "journal.h"
#include "language.h"
#include "report.h"
#include "state_files.h"
#include "undo.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace tarvendi::cli {

namespace {

std::string path_printed(const std::string &disk_path) {
    return printed(platform::name_from_disk(disk_path));
}

std::string step_text(const core::JournalStep &step) {
    switch (step.kind) {
    case core::StepKind::Rename:
        return path_printed(step.target) + " → " + path_printed(step.path);
    case core::StepKind::Tag:
        return path_printed(step.path) + spoken(": tag back as it was", ": 标签恢复原样");
    case core::StepKind::Folder:
        return path_printed(step.path) +
               spoken(": folder removed when empty", ": 文件夹为空时删除");
    }
    return {};
}

} // namespace

int undo_last(bool execute, bool wait, bool json) {
    core::Journal journal(platform::journal_folder());
    const std::string nothing = spoken("nothing to undo", "没有可以撤销的改名");
    if (!journal.has_newest()) {
        std::cerr << "tarvendi-cli: " << nothing << '\n';
        return 0;
    }
    const core::Journal::Lock lock = journal.lock(wait);
    if (!lock) {
        std::cerr << "tarvendi-cli: "
                  << spoken("another rename is still running", "另一个改名还在进行") << '\n';
        return 1;
    }
    std::vector<core::Journal::SetAside> set_aside;
    const std::optional<core::Journal::Entry> entry = journal.newest(&set_aside);
    for (const core::Journal::SetAside &record : set_aside)
        std::cerr << "tarvendi-cli: "
                  << spoken("a damaged undo record was set aside: ", "撤销记录已损坏，已放到一旁：")
                  << journal.folder() << '/' << record.name
                  << spoken(" (line " + std::to_string(record.line) + ")",
                            "（第 " + std::to_string(record.line) + " 行）")
                  << '\n';
    if (!entry) {
        std::cerr << "tarvendi-cli: " << nothing << '\n';
        return set_aside.empty() ? 0 : 1;
    }
    std::vector<std::string> steps;
    for (const std::size_t index : core::steps_to_undo(entry->record))
        steps.push_back(step_text(entry->record.steps[index]));
    core::UndoResult result;
    if (execute)
        result = core::undo_entry(journal, *entry);
    if (json) {
        nlohmann::ordered_json failed = nlohmann::ordered_json::array();
        for (const core::RefusedRename &r : result.refused)
            failed.push_back({{"path", shown(r.source)}, {"reason", said(r.reason)}});
        std::cout << nlohmann::ordered_json{{"record", entry->name},
                                            {"steps", steps},
                                            {"undone", result.undone},
                                            {"refused", failed}}
                         .dump(1, ' ', false, nlohmann::json::error_handler_t::replace)
                  << '\n';
    } else {
        for (const std::string &step : steps)
            std::cout << step << '\n';
    }
    for (const core::RefusedRename &r : result.refused)
        std::cerr << printed(r.source) << ": " << said(r.reason) << '\n';
    return result.refused.empty() && set_aside.empty() ? 0 : 1;
}

} // namespace tarvendi::cli

// tarvendi-cli: every rule of the window on the command line, with the same plan, verdicts and
// undo journal.

#include "command_line.h"
#include "describe.h"
#include "display_text.h"
#include "errors.h"
#include "filesystem.h"
#include "id3v1_tag.h"
#include "items.h"
#include "journal.h"
#include "memory.h"
#include "pass_run.h"
#include "report.h"
#include "state_files.h"
#include "tag_commands.h"
#include "undo_command.h"

#include <filesystem>
#include <iostream>
#include <vector>

using namespace tarvendi;
using namespace tarvendi::cli;

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

int rename_items(CommandLine line) {
    // Files named on the command line are where the user stands, not in --dir.
    if (const auto names = line.value("names"); names && !names->starts_with('/'))
        line.values["names"] = std::filesystem::current_path().string() + "/" + *names;
    // The folder is passed to everything below, never entered.
    const std::string folder =
        platform::absolute_path(line.value("dir") ? platform::typed_text(*line.value("dir")) : ".");
    platform::check_folder(folder);
    const bool from_stdin = line.flag("from-stdin") || line.flag("0");
    Items items = from_stdin ? stdin_items(folder, line.flag("0") ? '\0' : '\n')
                             : folder_items(folder, argument(line, "mask", "*.*"),
                                            line.flag("dirs"), line.flag("natural"));
    if (line.command->name == "tag-show")
        return show_tags(items, line.flag("id3v2"), line.flag("json"));
    const bool execute = line.flag("execute");
    if (line.command->name == "tag-set" && !execute)
        return show_tag_changes(items, line, line.flag("json"));

    tags::Id3v1Tag tags;
    const core::PassDescription description = describe(line, tags, items.paths);
    core::Journal journal(platform::journal_folder(), "cli");
    journal.describe_next(std::string(line.command->name));
    core::PassContext context;
    context.execute = execute;
    context.order = line.flag("order");
    context.folder = folder;
    core::Plan plan;
    const core::PassRun run = core::run_pass(description, items.items, context, plan, journal);
    const Outcome outcome = report(plan, plan.refused, line.flag("json"), folder);
    if (run.failure) {
        try {
            std::rethrow_exception(run.failure);
        } catch (const std::exception &error) {
            std::cerr << "tarvendi-cli: " << error.what() << '\n';
        }
        // What was planned before the error ran: only a run that changed nothing is a failure
        // before anything was renamed.
        return execute && outcome.renamed > 0 ? kRefused : kUsage;
    }
    return outcome.refused == 0 ? kDone : kRefused;
}

int run(const std::vector<std::string> &args) {
    const CommandLine line = parse_command_line(args);
    if (line.version) {
        std::cout << "tarvendi-cli " TARVENDI_VERSION "\n";
        return kDone;
    }
    if (!line.command || line.help) {
        std::cout << (line.command ? command_help(*line.command) : program_help());
        return kDone;
    }
    if (line.command->name == "undo")
        return undo_last(line.flag("execute"), !line.flag("no-wait"), line.flag("json"));
    return rename_items(line);
}

} // namespace

int main(int argc, char *argv[]) {
    platform::return_large_blocks_on_free();
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError &error) {
        std::cerr << "tarvendi-cli: " << error.what() << '\n';
        return kUsage;
    } catch (const std::exception &error) {
        std::cerr << "tarvendi-cli: " << error.what() << '\n';
        return kUsage;
    }
}

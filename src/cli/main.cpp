// tarvendi-cli: every rule of the window on the command line, with the same plan, verdicts and
// undo journal.

#include "command_line.h"
#include "describe.h"
#include "display_text.h"
#include "error_reasons.h"
#include "filesystem.h"
#include "id3v1_tag.h"
#include "items.h"
#include "journal.h"
#include "language.h"
#include "memory.h"
#include "pass_run.h"
#include "report.h"
#include "state_files.h"
#include "tag_commands.h"
#include "undo_command.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <optional>
#include <vector>

using namespace tarvendi;
using namespace tarvendi::cli;

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kOutputLost = 3;
// As a shell reports a program ended by SIGINT.
constexpr int kStopped = 130;

// Asked by the first SIGINT or SIGTERM of an execute (set by the signal handler, read by the
// apply between two renames).
core::ApplyStop interrupt_stop;

void ask_to_stop(int) {
    interrupt_stop.asked.store(true, std::memory_order_relaxed);
}

// While it lives, the first SIGINT or SIGTERM stops the apply between two renames, so that its
// journal record is closed and its report printed; the handler is gone after it (SA_RESETHAND),
// and a second signal ends the program at once, as before (the journal survives that too). A
// signal the program was started to ignore stays ignored.
class StopOnInterrupt {
public:
    StopOnInterrupt() {
        struct sigaction action {};
        action.sa_handler = ask_to_stop;
        sigemptyset(&action.sa_mask);
        // SA_RESTART: a report blocked on its reader goes on writing rather than fail.
        action.sa_flags = SA_RESETHAND | SA_RESTART;
        for (std::size_t i = 0; i < std::size(kSignals); ++i) {
            struct sigaction before {};
            if (sigaction(kSignals[i], nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
                installed_[i] = sigaction(kSignals[i], &action, &before_[i]) == 0;
        }
    }
    ~StopOnInterrupt() {
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            if (installed_[i])
                sigaction(kSignals[i], &before_[i], nullptr);
    }
    StopOnInterrupt(const StopOnInterrupt &) = delete;
    StopOnInterrupt &operator=(const StopOnInterrupt &) = delete;

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM};
    struct sigaction before_[std::size(kSignals)]{};
    bool installed_[std::size(kSignals)] = {};
};

// changed: set when the run changed files (renames made, tags written).
int rename_items(CommandLine line, bool &changed) {
    // Files named on the command line are where the user stands, not in --dir.
    if (const auto names = line.value("names"); names && *names != "-" && !names->starts_with('/'))
        line.values["names"] = platform::current_folder() + "/" + *names;
    // The folder is passed to everything below, never entered.
    const std::string folder =
        platform::absolute_path(line.value("dir") ? platform::typed_text(*line.value("dir")) : ".");
    platform::check_folder(folder);
    const bool from_stdin = line.flag("from-stdin") || line.flag("0");
    Items items = from_stdin ? stdin_items(folder, line.flag("0") ? '\0' : '\n', line.flag("dirs"))
                             : folder_items(folder, argument(line, "mask", "*.*"),
                                            line.flag("dirs"), line.flag("natural"));
    if (items.items.empty() && items.refused.empty()) {
        // Said, so that a mistyped mask is not taken for a folder without work.
        const std::string mask = line.value("mask").value_or("*.*");
        const std::string where = shown(folder);
        std::cerr << (from_stdin ? spoken("no paths on standard input", "标准输入中没有路径")
                                 : spoken("no entries match '" + mask + "' in " + where,
                                          where + " 中没有与 '" + mask + "' 相符的条目"))
                  << '\n';
        return kDone;
    }
    if (line.command->name == "tag-show")
        return show_tags(items, tag_sources(line), line.flag("json"));
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
    // Tags are written while planning, which a stop does not end: a tag pass is killed as before.
    const bool stoppable = execute && !description.writes_tags;
    // Kept to the end of the report: a signal after the last rename would otherwise end the
    // program in the middle of telling what it did.
    std::optional<StopOnInterrupt> stopping;
    if (stoppable)
        stopping.emplace();
    const core::PassRun run = core::run_pass(description, items.items, context, plan, journal, {},
                                             stoppable ? &interrupt_stop : nullptr);
    plan.refused.insert(plan.refused.begin(), items.refused.begin(), items.refused.end());
    const Outcome outcome =
        report(plan, plan.refused,
               {line.flag("json"), execute, description.writes_tags, run.stopped}, folder);
    changed = execute && (outcome.renamed > 0 || description.writes_tags);
    if (run.failure) {
        try {
            std::rethrow_exception(run.failure);
        } catch (const std::exception &error) {
            std::cerr << "tarvendi-cli: " << said(error.what());
            if (execute && outcome.renamed + outcome.written != 0)
                std::cerr << undo_hint();
            std::cerr << '\n';
        }
        // What was planned before the error ran: only a run that changed nothing is a failure
        // before anything was renamed.
        if (!run.stopped)
            return execute && outcome.renamed > 0 ? kRefused : kUsage;
    }
    if (run.stopped)
        return kStopped;
    return outcome.refused == 0 ? kDone : kRefused;
}

int run(const std::vector<std::string> &args, bool &changed) {
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
    return rename_items(line, changed);
}

// A report that did not reach its reader (a full disk, a closed pipe) must not pass for one that
// did: the status says so, and what an execute changed is named as undoable.
bool output_written(bool changed) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    const int code = errno;
    std::cerr << "tarvendi-cli: " << spoken("cannot write the output: ", "无法写出结果：")
              << said(platform::error_reason(code));
    if (changed)
        std::cerr << spoken("; the changes were made, and \"tarvendi-cli undo --execute\" takes "
                            "them back",
                            "；改动已经做了，\"tarvendi-cli undo --execute\" 可以撤销");
    std::cerr << '\n';
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    platform::return_large_blocks_on_free();
    // A closed pipe is an error to report, not a signal that ends the program unheard.
    std::signal(SIGPIPE, SIG_IGN);
    bool changed = false;
    try {
        const int status = run(std::vector<std::string>(argv + 1, argv + argc), changed);
        return output_written(changed) ? status : kOutputLost;
    } catch (const std::exception &error) {
        std::cerr << "tarvendi-cli: " << said(error.what()) << '\n';
        return kUsage;
    }
}

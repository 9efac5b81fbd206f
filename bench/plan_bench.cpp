// The planner on a large folder, beside the loop that a preview without verdicts runs (the rule
// over every item, each new name kept): what working out the verdicts costs; then executes of
// the whole folder with and without the journal, taking turns: what the journal costs. In one
// run. Run it on tmpfs:  plan_bench /dev/shm 100000

#include "apply.h"
#include "bench_support.h"
#include "journal.h"
#include "pass.h"
#include "wildcard.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace tarvendi;

namespace {} // namespace

int main(int argc, char *argv[]) {
    const std::string base = argc > 1 ? argv[1] : "/dev/shm";
    const int count = argc > 2 ? std::atoi(argv[2]) : 100000;
    const std::string root = bench::fresh_folder(base, "plan");
    fs::current_path(root);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "track %06d.mp3", i);
        names.emplace_back(name);
        ::close(::open(name, O_CREAT | O_WRONLY, 0644));
    }
    std::vector<core::PassItem> items;
    for (const std::string &name : names)
        items.push_back({name, true, false});
    const std::string tmpl = "######-*";
    core::PassDescription d;
    d.start_number = [] {
        return 1;
    };
    d.rule = [&](const core::RuleInput &in) -> std::optional<std::string> {
        return rules::wildcard_rename(in.name, tmpl, in.counter, std::nullopt);
    };

    for (int round = 0; round < 3; ++round) {
        std::vector<std::string> lines;
        const double bare = bench::timed([&] {
            lines.reserve(items.size());
            std::int32_t counter = 1;
            for (const core::PassItem &item : items) {
                const std::string name(item.name);
                const std::string source(item.name);
                lines.push_back(*d.rule({name, source, counter++, 0}));
            }
        });
        core::Plan plan;
        core::PassContext preview;
        preview.folder = root;
        const double planned = bench::timed([&] { core::plan_pass(d, items, preview, plan); });
        std::printf("%d items: rule loop %.3f s  plan with verdicts %.3f s  ratio %.2f  "
                    "(%zu refusals)  peak resident memory %.1f MB\n",
                    count, bare, planned, planned / bare, plan.refusals(),
                    bench::resident_mb("VmHWM:"));
    }
    // Each execute renames the whole folder forth ("x" + name) or back; a pair of them runs
    // with the journal or without, in turns, so that both see the same machine. The quickest
    // pair of each counts: the kernel's rename time varies more than the journal costs.
    core::Journal journal(root + "/journal");
    double best[2] = {1e9, 1e9};
    for (int pair = 0; pair < 16; ++pair) {
        const bool journaled = pair % 2 == 1;
        double took = 0;
        for (const bool forth : {true, false}) {
            std::vector<std::string> current;
            for (const auto &entry : fs::directory_iterator("."))
                if (entry.is_regular_file())
                    current.push_back(entry.path().filename().string());
            std::vector<core::PassItem> now;
            for (const std::string &name : current)
                now.push_back({name, true, false});
            core::PassDescription rename;
            rename.rule = [&](const core::RuleInput &in) -> std::optional<std::string> {
                return forth ? "x" + in.name : in.name.substr(1);
            };
            core::Plan plan;
            core::PassContext execute;
            execute.execute = true;
            execute.folder = root;
            took += bench::timed([&] {
                core::plan_pass(rename, now, execute, plan);
                core::apply_plan(plan, {}, journaled ? &journal : nullptr);
            });
        }
        best[journaled] = std::min(best[journaled], took / 2);
    }
    std::printf(
        "%d renames: execute %.3f s, with the journal %.3f s, ratio %.3f (target <= 1.05)\n", count,
        best[0], best[1], best[1] / best[0]);
    fs::current_path("/");
    fs::remove_all(root);
    return 0;
}

#include "journal.h"

#include "errors.h"
#include "filesystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace tarvendi::core {

namespace {

constexpr std::string_view kOpen = ".jsonl";
constexpr std::string_view kUndone = ".undone";
constexpr std::size_t kPiece = 1 << 20;

// UTC with microseconds, then the process: names that sort in the order the executes began.
std::pair<std::string, std::string> new_name() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() %
        1000000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &utc);
    char name[64];
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%06lld-%d", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<long long>(micros), static_cast<int>(::getpid()));
    return {std::string(name) + std::string(kOpen), stamp};
}

std::string stem(const std::string &name) {
    return name.substr(0, name.rfind('.'));
}

template <class F> auto guarded(F f) {
    try {
        return f();
    } catch (const platform::IoError &error) {
        throw JournalError(std::string("无法写入撤销记录，操作没有执行：") + error.what());
    }
}

} // namespace

Journal::Journal(std::string folder)
    : folder_(std::move(folder)) {}

Journal::Run::Run(const std::string &path, std::string header)
    : file_(guarded([&] { return platform::AppendFile(path); }))
    , pending_(std::move(header)) {}

void Journal::Run::add(const JournalStep &step) {
    append_step_line(step, pending_);
    if (pending_.size() >= kPiece) {
        guarded([&] { file_.append(pending_); });
        pending_.clear();
    }
}

void Journal::Run::commit() {
    guarded([&] {
        file_.append(pending_);
        file_.sync();
    });
    pending_.clear();
}

void Journal::Run::finish(const std::vector<std::size_t> &failed) {
    try {
        file_.append(finished_line(failed));
        file_.sync();
    } catch (const platform::IoError &) {
    }
}

std::unique_ptr<Journal::Run> Journal::begin() {
    const auto [name, started] = new_name();
    auto run = std::make_unique<Run>(folder_ + "/" + name, journal_header(started));
    prune();
    return run;
}

std::optional<std::string> Journal::newest() const {
    const std::vector<std::string> names = platform::files_ending_with(folder_, kOpen);
    if (names.empty())
        return std::nullopt;
    return names.back();
}

JournalRecord Journal::load(const std::string &name) const {
    return parse_journal(platform::read_whole_file(folder_ + "/" + name));
}

void Journal::mark_interrupted(const std::string &name) {
    platform::AppendFile(folder_ + "/" + name, true).append(interrupted_line());
}

void Journal::mark_undone(const std::string &name) {
    const platform::RenameResult result =
        platform::rename_disk((folder_ + "/" + name).c_str(),
                              (folder_ + "/" + stem(name) + std::string(kUndone)).c_str());
    if (!result.ok())
        throw platform::IoError(result.errno_value ? result.errno_value : EEXIST, name);
}

void Journal::prune() {
    std::vector<std::string> names = platform::files_ending_with(folder_, kOpen);
    const std::vector<std::string> undone = platform::files_ending_with(folder_, kUndone);
    names.insert(names.end(), undone.begin(), undone.end());
    std::sort(names.begin(), names.end());
    for (std::size_t i = 0; i + kKept < names.size(); ++i)
        platform::remove_file(folder_ + "/" + names[i]);
}

} // namespace tarvendi::core

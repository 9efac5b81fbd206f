#include "journal.h"

#include "errors.h"
#include "filesystem.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <ctime>
#include <map>
#include <mutex>
#include <unistd.h>
#include <utility>

namespace tarvendi::core {

namespace {

constexpr std::string_view kOpen = ".jsonl";
constexpr std::string_view kUndone = ".undone";
constexpr std::string_view kDamaged = ".damaged";
// A record being written before its steps reached the disk: it takes its name once they did, so
// that a run killed before its first change leaves nothing that reads as a record.
constexpr std::string_view kPart = ".part";
constexpr std::size_t kPiece = 1 << 20;

// "s" and twelve digits lead the name of a numbered record, so that the names sort in the order
// the runs began, after the records of earlier versions (named by their UTC time, "2026...").
constexpr char kNumbered = 's';
constexpr int kDigits = 12;

std::optional<std::uint64_t> number_of(const std::string &name) {
    if (name.size() < 1 + kDigits || name[0] != kNumbered)
        return std::nullopt;
    std::uint64_t number = 0;
    for (int i = 1; i <= kDigits; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return std::nullopt;
        number = number * 10 + static_cast<std::uint64_t>(name[i] - '0');
    }
    return number;
}

// The record's name, and its start in UTC (for people: the order is the number's).
std::pair<std::string, std::string> new_name(std::uint64_t number) {
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &utc);
    char compact[32];
    std::strftime(compact, sizeof compact, "%Y%m%dT%H%M%SZ", &utc);
    char name[96];
    std::snprintf(name, sizeof name, "%c%012" PRIu64 "-%s-%d", kNumbered, number, compact,
                  static_cast<int>(::getpid()));
    return {std::string(name) + std::string(kOpen), stamp};
}

std::string stem(const std::string &name) {
    return name.substr(0, name.rfind('.'));
}

constexpr std::string_view kNothingDone = "无法写入撤销记录，操作没有执行：";

template <class F> auto guarded(F f) {
    try {
        return f();
    } catch (const platform::IoError &error) {
        throw JournalError(std::string(kNothingDone) + error.what());
    }
}

// Every record of the folder, in the order the runs began.
std::vector<std::string> all_records(const std::string &folder) {
    std::vector<std::string> names;
    for (const std::string_view suffix : {kOpen, kUndone, kDamaged}) {
        std::vector<std::string> more = platform::files_ending_with(folder, suffix);
        names.insert(names.end(), more.begin(), more.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

Journal::Journal(std::string folder, std::string by)
    : folder_(std::move(folder))
    , by_(std::move(by)) {}

Journal::Lock Journal::lock(bool wait) const {
    // A second lock of the file in this process would wait for the first for ever: the parts of
    // one process share one.
    static std::mutex mutex;
    static std::map<std::string, std::weak_ptr<platform::FileLock>> held;
    const std::lock_guard guard(mutex);
    if (Lock existing = held[folder_].lock())
        return existing;
    auto lock =
        guarded([&] { return std::make_shared<platform::FileLock>(folder_ + "/lock", wait); });
    if (!lock->held())
        return nullptr;
    held[folder_] = lock;
    return lock;
}

Journal::Run::Run(Lock lock, const std::string &path, std::string header)
    : lock_(std::move(lock))
    , path_(path)
    , file_(guarded([&] { return platform::AppendFile(stem(path) + std::string(kPart)); }))
    , pending_(std::move(header)) {}

Journal::Run::~Run() {
    // Also under its name: the rename may have been made when making it durable failed.
    if (!committed_) {
        platform::remove_file(stem(path_) + std::string(kPart));
        platform::remove_file(path_);
    }
}

void Journal::Run::add(const JournalStep &step) {
    append_step_line(step, pending_);
    ++steps_;
    if (pending_.size() >= kPiece) {
        guarded([&] { file_.append(pending_); });
        pending_.clear();
    }
}

void Journal::Run::commit() {
    guarded([&] {
        file_.append(pending_);
        file_.sync();
        if (!committed_)
            file_.rename(path_);
    });
    pending_.clear();
    committed_ = true;
}

void Journal::Run::finish(const std::vector<std::size_t> &failed, bool stopped) {
    if (failed.size() >= steps_) {
        // Nothing took place: there is nothing to take back.
        platform::remove_file(path_);
        return;
    }
    try {
        file_.append(pending_ + finished_line(failed, stopped));
        file_.sync();
    } catch (const platform::IoError &) {
    }
}

std::uint64_t Journal::next_number() const {
    std::uint64_t last = 0;
    for (const std::string &name : all_records(folder_))
        last = std::max(last, number_of(name).value_or(0));
    return last + 1;
}

std::unique_ptr<Journal::Run> Journal::begin() {
    Lock held = lock(true);
    // Holding the lock, none of these has a writer still running.
    for (const std::string &name : platform::files_ending_with(folder_, kPart))
        platform::remove_file(folder_ + "/" + name);
    const auto [name, started] = new_name(next_number());
    auto run = std::make_unique<Run>(std::move(held), folder_ + "/" + name,
                                     journal_header(started, by_, std::exchange(what_, {})));
    prune(kKept - 1); // room for the record begun, which is named once committed
    return run;
}

bool Journal::has_newest() const {
    return !platform::files_ending_with(folder_, kOpen).empty();
}

std::optional<Journal::Entry> Journal::newest(std::vector<SetAside> *set_aside) {
    for (;;) {
        const std::vector<std::string> names = platform::files_ending_with(folder_, kOpen);
        if (names.empty())
            return std::nullopt;
        const std::string &name = names.back();
        const std::string path = folder_ + "/" + name;
        try {
            JournalRecord record = parse_journal(platform::read_whole_file(path));
            if (!record.steps.empty() || !set_aside)
                return Entry{name, std::move(record)};
            platform::remove_file(path);
        } catch (const DamagedRecord &damage) {
            if (!set_aside)
                return std::nullopt;
            const std::string aside = stem(name) + std::string(kDamaged);
            if (!platform::rename_disk(path.c_str(), (folder_ + "/" + aside).c_str()).ok())
                throw JournalError("无法把损坏的撤销记录放到一旁：" + name);
            set_aside->push_back({aside, damage.line});
        }
    }
}

std::vector<Journal::Past> Journal::history() const {
    std::vector<Past> past;
    const std::vector<std::string> names = all_records(folder_);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        Past entry{*name, Past::State::Undoable, {}};
        try {
            if (name->ends_with(kDamaged))
                throw DamagedRecord(0);
            entry.record = parse_journal(platform::read_whole_file(folder_ + "/" + *name));
            if (name->ends_with(kUndone))
                entry.state = Past::State::Undone;
            else if (!entry.record.finished)
                entry.state = Past::State::Interrupted;
        } catch (const std::exception &) {
            entry.state = Past::State::Damaged;
            entry.record = {};
        }
        past.push_back(std::move(entry));
    }
    return past;
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

void Journal::prune(std::size_t keep) {
    const std::vector<std::string> names = all_records(folder_);
    for (std::size_t i = 0; i + keep < names.size(); ++i)
        platform::remove_file(folder_ + "/" + names[i]);
}

} // namespace tarvendi::core

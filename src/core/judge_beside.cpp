#include "judge_beside.h"

#include <utility>

namespace tarvendi::core {

namespace {

// Large enough that the lock is taken rarely, small enough that the judging keeps up.
constexpr std::size_t kBatch = 512;

} // namespace

JudgeBeside::JudgeBeside(const Plan &plan, Judge judge, bool beside, std::size_t most)
    : plan_(plan)
    , judge_(std::move(judge))
    , handed_(most) {
    if (!beside)
        return;
    filling_.reserve(kBatch);
    thread_ = std::thread([this] { run(); });
}

JudgeBeside::~JudgeBeside() {
    if (thread_.joinable()) {
        handed_.close();
        thread_.join();
    }
}

void JudgeBeside::add(PlannedRename &r, std::string_view target_name) {
    const TargetCheck::Source source = plan_.source_parts(r);
    const std::string_view target_folder =
        r.folder == TargetFolder::Source ? source.first : plan_.target_folder(r);
    if (!thread_.joinable())
        return judge_(r, source, target_folder, target_name);
    filling_.push_back({&r, source, target_folder, target_name});
    if (filling_.size() == kBatch)
        hand_over();
}

void JudgeBeside::hand_over() {
    handed_.give(filling_);
    filling_.reserve(kBatch);
}

void JudgeBeside::finish() {
    if (!thread_.joinable())
        return;
    if (!filling_.empty())
        hand_over();
    handed_.close();
    thread_.join();
    if (failure_)
        std::rethrow_exception(failure_);
}

void JudgeBeside::run() {
    std::vector<Job> batch;
    while (handed_.take(batch)) {
        // After a failure the rest is only taken off the queue: the plan is not used any more.
        for (const Job &job : batch) {
            if (failure_)
                break;
            try {
                judge_(*job.rename, job.source, job.target_folder, job.target_name);
            } catch (...) {
                failure_ = std::current_exception();
            }
        }
    }
}

} // namespace tarvendi::core

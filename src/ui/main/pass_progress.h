#pragma once
// The progress of a long pass: a window-modal dialog that keeps the window painted while the
// pass runs, so it never looks frozen; a short pass shows nothing. The dialog of a pass that
// renames offers "停止" (ButtonStop): the rename in flight ends and no other starts.

#include "apply.h"

#include <QProgressDialog>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>

class QWidget;

namespace tarvendi::ui {

class PassProgress {
public:
    // items: how many the pass walks; steps: how many step() calls it makes in all; stoppable:
    // the pass renames, and its dialog offers to stop it.
    PassProgress(QWidget *parent, std::size_t items, std::size_t steps, bool stoppable = false);
    // The dialog's stop button refers to this object.
    PassProgress(const PassProgress &) = delete;
    PassProgress &operator=(const PassProgress &) = delete;
    // Step number done (from 0) of steps.
    void step(std::size_t done);
    // Closes the dialog before the outcome shows.
    void finish() { dialog_.reset(); }
    // What "停止" asks, for the apply to look at between two renames.
    core::ApplyStop *stop() { return &stop_; }

    // For tests, which stop a pass at a step of their choice: from here on a pass over more
    // than shown_from items has the dialog (3000 otherwise), and each_step hears every step
    // first. Undone by watch_for_tests(3000, {}).
    static void watch_for_tests(std::size_t shown_from,
                                std::function<void(std::size_t done)> each_step);

private:
    std::unique_ptr<QProgressDialog> dialog_;
    core::ApplyStop stop_;
    std::chrono::steady_clock::time_point painted_;
};

} // namespace tarvendi::ui

#pragma once
// The progress of a long pass: a window-modal dialog without cancel that keeps the window
// painted while the pass runs, so it never looks frozen; a short pass shows nothing.

#include <QProgressDialog>
#include <chrono>
#include <cstddef>
#include <memory>

class QWidget;

namespace tarvendi::ui {

class PassProgress {
public:
    // items: how many the pass walks; steps: how many step() calls it makes in all.
    PassProgress(QWidget *parent, std::size_t items, std::size_t steps);
    // Step number done (from 0) of steps.
    void step(std::size_t done);
    // Closes the dialog before the outcome shows.
    void finish() { dialog_.reset(); }

private:
    std::unique_ptr<QProgressDialog> dialog_;
    std::chrono::steady_clock::time_point painted_;
};

} // namespace tarvendi::ui

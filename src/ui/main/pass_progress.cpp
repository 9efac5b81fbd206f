#include "pass_progress.h"

#include <QCoreApplication>

namespace tarvendi::ui {

namespace {

// A pass over more items than this shows its progress.
constexpr std::size_t kProgressFrom = 3000;
constexpr std::size_t kProgressStep = 500;
// A person sees no more than a few updates a second; painting at every step cost a preview of
// 100,000 files a sixth of its time.
constexpr auto kRepaint = std::chrono::milliseconds(40);

} // namespace

PassProgress::PassProgress(QWidget *parent, std::size_t items, std::size_t steps) {
    if (items <= kProgressFrom)
        return;
    dialog_ = std::make_unique<QProgressDialog>(
        QCoreApplication::translate("PassProgress", "正在处理文件名……"), QString(), 0,
        static_cast<int>(steps), parent);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(300);
    dialog_->setAutoClose(false);
}

void PassProgress::step(std::size_t done) {
    if (!dialog_ || done % kProgressStep != 0)
        return;
    // The first step paints at once, so that the window answers from the start.
    const auto now = std::chrono::steady_clock::now();
    if (done != 0 && now - painted_ < kRepaint)
        return;
    painted_ = now;
    dialog_->setValue(static_cast<int>(done));
    // Paint, but take no user input before the modal dialog shows: nothing may start while
    // the pass runs.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tarvendi::ui

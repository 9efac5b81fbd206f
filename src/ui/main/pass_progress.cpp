#include "pass_progress.h"

#include <QCoreApplication>

namespace tarvendi::ui {

namespace {

// A pass over more items than this shows its progress.
constexpr std::size_t kProgressFrom = 3000;
constexpr std::size_t kProgressStep = 500;

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
    dialog_->setValue(static_cast<int>(done));
    // Paint, but take no user input before the modal dialog shows: nothing may start while
    // the pass runs.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace tarvendi::ui

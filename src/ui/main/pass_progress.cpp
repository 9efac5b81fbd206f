#include "pass_progress.h"

#include <QCoreApplication>
#include <QPushButton>

namespace tarvendi::ui {

namespace {

// A pass over more items than this shows its progress.
constexpr std::size_t kProgressFrom = 3000;
constexpr std::size_t kProgressStep = 500;
// A person sees no more than a few updates a second; painting at every step cost a preview of
// 100,000 files a sixth of its time.
constexpr auto kRepaint = std::chrono::milliseconds(40);

std::size_t shown_from = kProgressFrom;
std::function<void(std::size_t)> &step_watcher() {
    static std::function<void(std::size_t)> watcher;
    return watcher;
}

// Neither a key nor the title bar's close button may hide the dialog while its pass runs: the
// window would take input meanwhile. They ask to stop instead, as "停止" does, where it is.
class ProgressDialog : public QProgressDialog {
public:
    ProgressDialog(const QString &label, int steps, QWidget *parent, bool stoppable)
        : QProgressDialog(label, QString(), 0, steps, parent)
        , stoppable_(stoppable) {}
    void reject() override {
        if (stoppable_)
            emit canceled();
    }

private:
    bool stoppable_;
};

} // namespace

PassProgress::PassProgress(QWidget *parent, std::size_t items, std::size_t steps, bool stoppable) {
    if (items <= shown_from)
        return;
    dialog_ = std::make_unique<ProgressDialog>(
        QCoreApplication::translate("PassProgress", "正在处理文件名……"), static_cast<int>(steps),
        parent, stoppable);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(300);
    dialog_->setAutoClose(false);
    // Cancelling would hide and reset the dialog; a stop lets the pass end on its own.
    QObject::disconnect(dialog_.get(), &QProgressDialog::canceled, dialog_.get(), nullptr);
    if (!stoppable)
        return;
    auto *button = new QPushButton(QCoreApplication::translate("PassProgress", "停止"));
    button->setObjectName(QStringLiteral("ButtonStop"));
    dialog_->setCancelButton(button);
    QObject::connect(dialog_.get(), &QProgressDialog::canceled, button, [this, button] {
        stop_.asked = true;
        button->setEnabled(false);
        dialog_->setLabelText(QCoreApplication::translate("PassProgress", "正在停止……"));
    });
}

void PassProgress::step(std::size_t done) {
    if (step_watcher())
        step_watcher()(done);
    if (!dialog_ || done % kProgressStep != 0)
        return;
    // The first step paints at once, so that the window answers from the start.
    const auto now = std::chrono::steady_clock::now();
    if (done != 0 && now - painted_ < kRepaint)
        return;
    painted_ = now;
    // Once the dialog shows, this also takes the clicks on "停止".
    dialog_->setValue(static_cast<int>(done));
    // Paint, but take no user input before the modal dialog shows: nothing may start while
    // the pass runs.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void PassProgress::watch_for_tests(std::size_t from, std::function<void(std::size_t)> each_step) {
    shown_from = from;
    step_watcher() = std::move(each_step);
}

} // namespace tarvendi::ui

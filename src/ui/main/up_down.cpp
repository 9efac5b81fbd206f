#include "up_down.h"

#include "gb_text.h"
#include "integer.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace tarvendi::ui {

UpDown::UpDown(int minimum, int maximum, int position, QWidget *parent)
    : QAbstractSpinBox(parent)
    , minimum_(minimum)
    , maximum_(maximum)
    , position_(std::clamp(position, minimum, maximum)) {
    // Only the arrows show; the number lives in the attached edit.
    lineEdit()->hide();
    setFocusPolicy(Qt::NoFocus);
    setFixedWidth(18);
}

void UpDown::attach(QLineEdit *edit) {
    edit_ = edit;
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, &UpDown::follow);
    setFixedHeight(edit_->sizeHint().height());
}

void UpDown::follow(const QString &text) {
    if (const auto value = rules::parse_int(qt_to_gb(text)))
        position_ = std::clamp(*value, minimum_, maximum_);
    update();
}

void UpDown::stepBy(int steps) {
    // 64 bits: position_ + steps must not overflow for any int steps.
    position_ = static_cast<int>(
        std::clamp<long long>(static_cast<long long>(position_) + steps, minimum_, maximum_));
    if (edit_)
        edit_->setText(QString::number(position_));
}

QAbstractSpinBox::StepEnabled UpDown::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (position_ < maximum_)
        enabled |= StepUpEnabled;
    if (position_ > minimum_)
        enabled |= StepDownEnabled;
    return enabled;
}

bool UpDown::eventFilter(QObject *watched, QEvent *event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const bool up = key == Qt::Key_Up;
            if (stepEnabled() & (up ? StepUpEnabled : StepDownEnabled))
                stepBy(up ? 1 : -1);
            return true;
        }
    }
    return QAbstractSpinBox::eventFilter(watched, event);
}

} // namespace tarvendi::ui

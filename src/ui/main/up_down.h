#pragma once
// An up-down spinner that shows only its two arrows and steps the whole number held by a line
// edit beside it. The edit stays a free text field: the spinner never validates or rewrites what
// the user types, it only writes a number when an arrow is used.
//
// Which number the arrows step: the last whole number the edit held, brought into the range. So
// "7" steps to 8, "150" steps down to 99 (its up arrow is disabled), and while the edit holds
// something that is not a whole number ("", "abc") the arrows go on from the number it held before,
// or from the start position when it never held one.

#include <QAbstractSpinBox>

class QLineEdit;

namespace tarvendi::ui {

class UpDown : public QAbstractSpinBox {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, int position, QWidget *parent = nullptr);

    // The edit whose number the arrows step; its Up and Down keys step it too. Not owned; the
    // edit must live as long as the spinner.
    void attach(QLineEdit *edit);
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(const QString &text);

    int minimum_;
    int maximum_;
    int position_;
    QLineEdit *edit_ = nullptr;
};

} // namespace tarvendi::ui

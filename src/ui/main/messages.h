#pragma once
// Message boxes of the main window. A "\r" in a message shows as a line break.

#include <QString>
#include <exception>

class QWidget;

namespace tarvendi::ui {

// A plain box with an OK button.
void inform(QWidget *parent, const QString &text);

// The confirmation box: title "确认", question icon, Yes and No, No the default. True for Yes.
bool confirm(QWidget *parent, const QString &question);

// The default error handler: a critical box with the error's text.
void show_error(QWidget *parent, const std::exception &error);

// Runs one user action. Errors of the program's own kinds end the action; the outermost action
// shows them, nested ones (an action that calls another) pass them up so the caller ends too.
class ActionRunner {
public:
    explicit ActionRunner(QWidget *owner)
        : owner_(owner) {}

    template <class F> void run(F &&action) {
        ++depth_;
        try {
            action();
        } catch (const std::exception &error) {
            --depth_;
            if (depth_ > 0)
                throw;
            show_error(owner_, error);
            return;
        }
        --depth_;
    }

private:
    QWidget *owner_;
    int depth_ = 0;
};

} // namespace tarvendi::ui

#pragma once
// Message boxes of the main window. A "\r" in a message shows as a line break.

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace tarvendi::ui {

// A plain box with an OK button.
void inform(QWidget *parent, const QString &text);

// The confirmation box: title "确认", question icon, Yes and No, No the default. True for Yes.
bool confirm(QWidget *parent, const QString &question);

// The default error handler: a critical box with the error's text. An error nested in another
// (std::throw_with_nested) is the cause, told first; the outer one's text (the window's own,
// translated already) follows.
void show_error(QWidget *parent, const std::exception &error);

// While one lives, inform(), confirm() and show_error() open no box: the first and the last hand
// their text (line breaks shown as "\n") to sink, and confirm() answers No without asking, which
// for a rule means a preview. For work that starts on its own, where a box would break into the
// user's typing. The innermost one holds; the refused-rename report is not among these boxes (no
// preview shows it).
class QuietMessages {
public:
    explicit QuietMessages(std::function<void(const QString &)> sink);
    ~QuietMessages();
    QuietMessages(const QuietMessages &) = delete;
    QuietMessages &operator=(const QuietMessages &) = delete;

private:
    std::function<void(const QString &)> sink_;
    const std::function<void(const QString &)> *outer_;
};

// Runs one user action. Errors of the program's own kinds end the action; the outermost action
// shows them, nested ones (an action that calls another) pass them up so the caller ends too.
class ActionRunner {
public:
    explicit ActionRunner(QWidget *owner)
        : owner_(owner) {}

    template <class F> void run(F &&action) {
        const Running running;
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

    // True while an action of any runner runs, also while it waits in a dialog, shows its error
    // or paints the progress of a long pass: what starts on its own must not begin a pass inside.
    static bool running() { return running_ > 0; }

private:
    // Counts an action from its start to its end, whichever way it ends.
    struct Running {
        Running() { ++running_; }
        ~Running() { --running_; }
    };

    QWidget *owner_;
    int depth_ = 0;
    inline static int running_ = 0;
};

} // namespace tarvendi::ui

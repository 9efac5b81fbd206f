#pragma once
// What the rule pages share: a rule runs as one user action over the working list, a preview or
// an execute by the button that was pressed, once the list is known to have items or the user has
// answered the rename question. A page supplies only its pass.

#include "pass.h"

#include <QWidget>
#include <functional>
#include <optional>

class QPushButton;

namespace tarvendi::ui {

class PassHost;

class RulePage : public QWidget {
    Q_OBJECT
public:
    // question with the lines every rename question ends in: "No" previews, and an execute can be
    // undone.
    static QString rename_question(const QString &question);

protected:
    // What a rule does with an empty working list.
    enum class IfEmpty {
        SelectFirst,     // asks the user to select the files first; nothing runs
        SelectOnTheLeft, // asks the user to select them on the left; nothing runs
        Run,             // runs its pass over no items
    };
    // The rule's pass, made once the list has items; nothing when it has told the user why not.
    using Describe = std::function<std::optional<core::PassDescription>()>;

    explicit RulePage(PassHost &host);

    // Asks as if_empty says and returns false when the working list is empty.
    bool has_items(IfEmpty if_empty = IfEmpty::SelectFirst);
    // Runs the pass over the working list: an execute when execute_button was pressed, a preview
    // for the other button and for a direct call.
    void run_rule(const QPushButton *execute_button, const Describe &describe,
                  IfEmpty if_empty = IfEmpty::SelectFirst);
    // Asks question first: "Yes" executes the pass over the working list, "No" previews it. These
    // rules rename in place, so only the file list is refreshed.
    void run_confirmed(const QString &question,
                       const std::function<core::PassDescription()> &describe);

    PassHost &host_;
};

} // namespace tarvendi::ui

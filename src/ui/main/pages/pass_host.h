#pragma once
// What a notebook page asks of the main window: the working list, running a pass over it and
// showing the outcome. The pages know nothing else of the window, and nothing of each other.

#include "journal.h"
#include "pass.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace tarvendi::ui {

// The window speaks the engine's words.
using core::ItemRefused;
using core::PassDescription;
using core::PassItem;
using core::PreviewShows;
using core::RuleInput;
using core::Target;

// What a pass refreshes after it ran.
enum class Refresh { None, FileList, Full };

class PassHost {
public:
    virtual ~PassHost() = default;

    // Runs action as one user action: an error of the program's own kinds ends it and is shown
    // by the window's error handler.
    virtual void act(const std::function<void()> &action) = 0;
    // Shows message and returns false when the working list has no items.
    virtual bool has_items(const QString &message) = 0;
    // The working list's items, viewing its names: valid until the list changes.
    virtual std::vector<core::PassItem> working_items() const = 0;
    // The texts of every working-list item as the list shows them, checked or not (GB18030).
    virtual std::vector<std::string> working_texts() const = 0;
    virtual void clear_working_list() = 0;
    // The name or full path of the working list's focused item (the first when none has the
    // focus); the list must not be empty.
    virtual std::string focused_item() const = 0;
    // The folder the file list shows (GB18030), where bare names are.
    virtual std::string shown_folder() const = 0;
    // The path field's text, as the user left it.
    virtual QString path_text() const = 0;
    virtual bool directory_mode() const = 0;
    // Runs description over items, shows the preview and what was refused, then refreshes.
    virtual void run_pass(const core::PassDescription &description,
                          const std::vector<core::PassItem> &items, bool execute,
                          Refresh after) = 0;
    virtual void clear_preview() = 0;
    // Where an execute writes down what it changes, so that it can be undone.
    virtual core::Journal &journal() = 0;

    // A pass over the working list; by default, as most pages do, an execute is followed by the
    // full refresh and a preview by none.
    void run_on_working_list(const core::PassDescription &description, bool execute) {
        run_on_working_list(description, execute, execute ? Refresh::Full : Refresh::None);
    }
    void run_on_working_list(const core::PassDescription &description, bool execute,
                             Refresh after) {
        const Executing executing(executing_, execute);
        run_pass(description, working_items(), execute, after);
    }

    // True while an execute over the working list runs, its refresh included: the working list
    // it fills anew holds the rename's outcome, not a change of the user's to preview.
    bool executing() const { return executing_ > 0; }

private:
    struct Executing {
        Executing(int &count, bool execute)
            : count_(count)
            , step_(execute ? 1 : 0) {
            count_ += step_;
        }
        ~Executing() { count_ -= step_; }
        Executing(const Executing &) = delete;
        Executing &operator=(const Executing &) = delete;
        int &count_;
        int step_;
    };
    int executing_ = 0;
};

} // namespace tarvendi::ui

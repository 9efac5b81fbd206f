#pragma once
// What the window tests share: a temporary working folder, the application's windows started
// in it, access to controls by object name, and an answerer for message boxes.

#include "temp_folder.h"
#include "windows.h"

#include <QAbstractItemView>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

namespace tarvendi::test {

// A fresh folder under /tmp that is the current directory while the test runs. The journal of
// the test's executes lies beside it, in a folder of its own, so that no test sees another's
// history and the folder holds only what the test made.
class TempFolder : public testing::TempFolder {
public:
    TempFolder()
        : state_(path() + "-state") {
        enter();
        ::setenv("XDG_STATE_HOME", state_.c_str(), 1);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(state_, ec);
    }
    // Where the journal lies (platform::journal_folder() of the test).
    std::string journal_folder() const { return state_ + "/tarvendi"; }

private:
    std::string state_;
};

// Answers every message box that opens while it lives with `answer` (or the box's only button)
// and records the boxes' texts.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Yes);
    QStringList texts;
    QStringList titles;
    QList<QMessageBox::Icon> icons;

private:
    void poll();
    QMessageBox::StandardButton answer_;
    QTimer timer_;
};

// Hands every modal dialog other than a message box that opens while it lives to `answer`,
// which must close it (fill the parameter dialog and click a button, choose a file and accept).
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(std::function<void(QDialog *)> answer);
    int answered = 0;

private:
    void poll();
    std::function<void(QDialog *)> answer_;
    QTimer timer_;
};

// The windows of a run, started in the current directory and shown.
std::unique_ptr<ApplicationWindows> start_windows();

template <class T> T *control(QObject *window, const char *name) {
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The names a folder holds, sorted.
QStringList names_in(const TempFolder &dir);
// Display texts of a list view, in order.
QStringList texts_of(const QAbstractItemView *view);
// Check states of the working list, as 0 (unchecked), 1 (grayed) and 2 (checked).
QList<int> checks_of(const QAbstractItemView *view);
// Clicks the middle of a row with the mouse, scrolled into view first.
void click_row(QAbstractItemView *view, int row, Qt::KeyboardModifiers modifiers = {});
// Selects exactly the given rows as a user would: a click on the first, ctrl+clicks on the
// others (or ctrl+clicks taking away every selected row when rows is empty).
void select_rows(QAbstractItemView *view, const QList<int> &rows);
// Calls a handler of a window by its name.
void invoke(QObject *window, const char *handler);

} // namespace tarvendi::test

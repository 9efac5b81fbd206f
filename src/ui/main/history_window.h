#pragma once
// "改名记录" (FHistory): every execute the journal keeps, newest first, with what became of it,
// and the undo of the newest one not undone yet, as "撤销上次改名" does it.

#include "journal.h"

#include <QDialog>
#include <functional>

class QListWidget;
class QPushButton;

namespace tarvendi::ui {

class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    // undo: the undo of "撤销上次改名", with its question and report.
    HistoryWindow(QWidget *parent, const core::Journal &journal, std::function<void()> undo);

    // Reads the journal anew, then shows the window in front.
    void open_anew();
    // Reads the journal anew.
    void refresh();

    // A record as its row says it, e.g. "12月8日 10:14  /home/x/音乐  23 个改名  可撤销".
    static QString row(const core::Journal::Past &past);

private:
    const core::Journal &journal_;
    std::function<void()> undo_;
    QListWidget *list_;
    QPushButton *undo_button_;
};

} // namespace tarvendi::ui

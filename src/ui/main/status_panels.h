#pragma once
// The main window's status bar (StatusBar1): a panel for what is in work or chosen
// (StatusBar1Panel0) and one with the usage hint (StatusBar1Panel1).

class QLabel;
class QStatusBar;

namespace tarvendi::ui {

struct StatusPanels {
    QStatusBar *bar;
    QLabel *work;
    QLabel *hint;
};

StatusPanels status_panels();

} // namespace tarvendi::ui

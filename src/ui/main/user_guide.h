#pragma once
// The user guide installed with the program.

class QWidget;

namespace tarvendi::ui {

// Opens the guide in the desktop's browser, or tells the user where it lies when no browser
// could be started.
void open_user_guide(QWidget *parent);

} // namespace tarvendi::ui

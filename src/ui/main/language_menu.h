#pragma once
// The submenu "语言 / Language" of the help menu.

class QMenu;
class QWidget;

namespace tarvendi::ui {

// Adds the submenu (N18) with "中文" (N19) and "English" (N20) to `help`, the language of this
// run checked. A choice is saved and takes effect at the next start, which `owner` tells.
void add_language_menu(QMenu *help, QWidget *owner);

} // namespace tarvendi::ui

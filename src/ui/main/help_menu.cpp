// The help menu: the about window and the user guide.

#include "main_window.h"
#include "uabout.h"
#include "user_guide.h"

void TForm1::N5Click() {
    Fabout->move(geometry().center() - Fabout->rect().center());
    Fabout->exec();
}

void TForm1::N13Click() {
    tarvendi::ui::open_user_guide(this);
}

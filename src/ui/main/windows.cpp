#include "windows.h"

ApplicationWindows::ApplicationWindows() {
    Form1.attach_windows(&Fabout, &Fpara, &Fpara2);
}

#pragma once
// The five windows of a run, created in their fixed order: the main window first (closing it
// ends the program), then the secondary window, the about window and the two parameter dialogs.
// They all live until the run ends.

#include "Unit2.h"
#include "main_window.h"
#include "para.h"
#include "para2.h"
#include "uabout.h"

struct ApplicationWindows {
    ApplicationWindows();

    TForm1 Form1;
    TForm2 Form2;
    TFabout Fabout;
    TFpara Fpara;
    TFpara2 Fpara2;
};

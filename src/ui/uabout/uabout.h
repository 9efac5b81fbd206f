#pragma once
// The about window: one rich-text view that fills it. What the user types into it stays while
// the program runs, because the window is only hidden when it closes.

#include <QDialog>

class QTextEdit;

class TFabout : public QDialog {
    Q_OBJECT
public:
    explicit TFabout(QWidget *parent = nullptr);

private:
    QTextEdit *RichEdit1 = nullptr;
};

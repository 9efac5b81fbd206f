#pragma once
// The about window: one rich-text view that fills it.

#include <QDialog>

class QTextEdit;

class TFabout : public QDialog {
    Q_OBJECT
public:
    explicit TFabout(QWidget *parent = nullptr);

private:
    QTextEdit *RichEdit1 = nullptr;
};

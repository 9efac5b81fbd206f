#pragma once
// The dialog of the substring move: where the stretch starts, how long it is, where it goes.

#include "param_dialog.h"

class TFpara2 : public tarvendi::ui::ParamDialog {
    Q_OBJECT
public:
    explicit TFpara2(QWidget *parent = nullptr);

    QLineEdit *Edit1 = nullptr; // start S
    QLineEdit *Edit2 = nullptr; // length L
    QLineEdit *Edit3 = nullptr; // target T
};

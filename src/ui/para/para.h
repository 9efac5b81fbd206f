#pragma once
// The position/length dialog of tail-to-front and of the name list's number deletion.

#include "param_dialog.h"

class TFpara : public tarvendi::ui::ParamDialog {
    Q_OBJECT
public:
    explicit TFpara(QWidget *parent = nullptr);

    QLineEdit *Edit1 = nullptr; // start S
    QLineEdit *Edit2 = nullptr; // length L

public slots:
    void Edit1Click();
    void Edit2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

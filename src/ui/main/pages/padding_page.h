#pragma once
// Page "数字位补0": pads the numbers of names with zeros to a width.

#include "rule_page.h"

class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class UpDown;

class PaddingPage : public RulePage {
    Q_OBJECT
public:
    explicit PaddingPage(PassHost &host);

public slots:
    void Button38Click();

private:
    QLineEdit *Edit21 = nullptr;
    UpDown *UpDown1 = nullptr;
    QPushButton *Button38 = nullptr;
    QPushButton *Button39 = nullptr;
};

} // namespace tarvendi::ui

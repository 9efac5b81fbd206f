#pragma once
// Page "替换": replaces a text in the names.

#include "rule_page.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class ReplacePage : public RulePage {
    Q_OBJECT
public:
    explicit ReplacePage(PassHost &host);

public slots:
    void Button31Click();
    void Button36Click();
    void Button37Click();

private:
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QCheckBox *CheckBox11 = nullptr;
    QPushButton *Button36 = nullptr;
    QPushButton *Button37 = nullptr;
    QPushButton *Button31 = nullptr;
    QPushButton *Button32 = nullptr;
};

} // namespace tarvendi::ui

#pragma once
// Page "正则替换": a regular-expression replace and a change of letter case in the names.

#include "rule_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class RegexPage : public RulePage {
    Q_OBJECT
public:
    explicit RegexPage(PassHost &host);

public slots:
    void Button41Click();

private:
    QLineEdit *Edit24 = nullptr;
    QLineEdit *Edit25 = nullptr;
    QCheckBox *CheckBox14 = nullptr;
    QCheckBox *CheckBox15 = nullptr;
    QCheckBox *CheckBox16 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QPushButton *Button41 = nullptr;
    QPushButton *Button42 = nullptr;
};

} // namespace tarvendi::ui

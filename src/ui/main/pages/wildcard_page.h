#pragma once
// Page "通配符改名": a template with sequence numbers, the old name and file dates.

#include "rule_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class WildcardPage : public RulePage {
    Q_OBJECT
public:
    explicit WildcardPage(PassHost &host);

public slots:
    void Button6Click();
    void Button35Click();

private:
    QLineEdit *Edit11;
    QComboBox *edit10;
    QPushButton *Button35;
    QPushButton *Button3;
    QPushButton *Button6;
    // "照片用拍摄时间": remembered (options.h), off at first.
    QCheckBox *CheckBox17;
};

} // namespace tarvendi::ui

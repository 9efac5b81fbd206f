#pragma once
// Page "通配符改名": a template with sequence numbers, the old name and file dates.

#include "rule_page.h"

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
};

} // namespace tarvendi::ui

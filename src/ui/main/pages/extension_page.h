#pragma once
// Page "修改扩展名": gives the names a new extension.

#include "rule_page.h"

class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class ExtensionPage : public RulePage {
    Q_OBJECT
public:
    explicit ExtensionPage(PassHost &host);

public slots:
    void Button5Click();

private:
    QLineEdit *Edit12 = nullptr;
    QPushButton *Button7 = nullptr;
    QPushButton *Button5 = nullptr;
};

} // namespace tarvendi::ui

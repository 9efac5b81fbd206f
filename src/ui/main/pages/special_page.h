#pragma once
// Page "特殊改名": the cleaning panel, Chinese numerals to digits, and the two rules that move
// bytes within a name, each asking for its positions in a parameter dialog.

#include "rule_page.h"

class QCheckBox;
class QPushButton;
class TFpara;
class TFpara2;

namespace tarvendi::ui {

class SpecialPage : public RulePage {
    Q_OBJECT
public:
    explicit SpecialPage(PassHost &host);
    // The parameter dialogs, made after the main window; they outlive the page's use of them.
    void attach_dialogs(TFpara *para, TFpara2 *para2);

public slots:
    void Button4Click();
    void Button19Click();
    void Button20Click();
    void Button27Click();

private:
    TFpara *Fpara = nullptr;
    TFpara2 *Fpara2 = nullptr;
    QCheckBox *CheckBox5 = nullptr;
    QCheckBox *CheckBox6 = nullptr;
    QCheckBox *CheckBox7 = nullptr;
    QCheckBox *CheckBox8 = nullptr;
    QCheckBox *CheckBox9 = nullptr;
    QCheckBox *CheckBox10 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button18 = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QPushButton *Button19 = nullptr;
    QPushButton *Button20 = nullptr;
    QPushButton *Button27 = nullptr;
};

} // namespace tarvendi::ui

#pragma once
// Page "字符模糊替换": replaces the stretch from a start text to an end text.

#include "rule_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class RangePage : public RulePage {
    Q_OBJECT
public:
    explicit RangePage(PassHost &host);
    // The start text, which a selection in the file list fills.
    void set_start_text(const QString &text);
    // The start number, shared with the sequence page.
    void set_start_number(const QString &text);

public slots:
    void Button1Click();
    void Button33Click();
    void Edit20Change();

signals:
    void start_number_edited(const QString &text);

private:
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QComboBox *edit7 = nullptr;
    QLineEdit *Edit20 = nullptr;
    QCheckBox *CheckBox4 = nullptr;
    QPushButton *Button33 = nullptr;
    QPushButton *Button9 = nullptr;
    QPushButton *Button1 = nullptr;
};

} // namespace tarvendi::ui

#pragma once
// Page "序号替换": replaces a numbered part given by position and length.

#include "rule_page.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class SequencePage : public RulePage {
    Q_OBJECT
public:
    explicit SequencePage(PassHost &host);
    // The start number, shared with the range page.
    void set_start_number(const QString &text);

public slots:
    void Button21Click();
    void Edit4Change();

signals:
    void start_number_edited(const QString &text);

private:
    QLineEdit *Edit17 = nullptr;
    QLineEdit *Edit18 = nullptr;
    QComboBox *edit19 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QPushButton *Button21 = nullptr;
    QPushButton *Button25 = nullptr;
};

} // namespace tarvendi::ui

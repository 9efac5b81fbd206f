#pragma once
// Page "通配符改名": a template with sequence numbers, the old name and file dates.

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class PassHost;

class WildcardPage : public QWidget {
    Q_OBJECT
public:
    explicit WildcardPage(PassHost &host);

public slots:
    void Button6Click();
    void Button35Click();

private:
    PassHost &host_;
    QLineEdit *Edit11;
    QComboBox *edit10;
    QPushButton *Button35;
    QPushButton *Button3;
    QPushButton *Button6;
};

} // namespace tarvendi::ui

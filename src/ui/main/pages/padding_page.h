#pragma once
// Page "数字位补0": pads the numbers of names with zeros to a width.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class PassHost;
class UpDown;

class PaddingPage : public QWidget {
    Q_OBJECT
public:
    explicit PaddingPage(PassHost &host);

public slots:
    void Button38Click();

private:
    PassHost &host_;
    QLineEdit *Edit21 = nullptr;
    UpDown *UpDown1 = nullptr;
    QPushButton *Button38 = nullptr;
    QPushButton *Button39 = nullptr;
};

} // namespace tarvendi::ui

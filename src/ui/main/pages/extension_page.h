#pragma once
// Page "修改扩展名": gives the names a new extension.

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class PassHost;

class ExtensionPage : public QWidget {
    Q_OBJECT
public:
    explicit ExtensionPage(PassHost &host);

public slots:
    void Button5Click();

private:
    PassHost &host_;
    QLineEdit *Edit12 = nullptr;
    QPushButton *Button7 = nullptr;
    QPushButton *Button5 = nullptr;
};

} // namespace tarvendi::ui

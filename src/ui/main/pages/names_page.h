#pragma once
// Page "文本换名": renaming from the name list Memo6 (names_page.cpp), and the tools that fill,
// number, edit and save that list and create folders from it (name_list_tools.cpp).

#include "rule_page.h"

class QCheckBox;
class QComboBox;
class QFileDialog;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TFpara;

namespace tarvendi::ui {

class NamesPage : public RulePage {
    Q_OBJECT
public:
    explicit NamesPage(PassHost &host);
    // The parameter dialog of the number deletion, made after the main window.
    void attach_dialog(TFpara *para);
    void select_all_names();

public slots:
    void Button14Click();
    void Button16Click();
    void Button22Click();
    // Appends the visible sub-folders of folder to the name list.
    void DoSearchPathFile(const QString &folder);
    void Button17Click();
    void Button23Click();
    void Button24Click();
    void Button40Click();
    void Button2Click();

private:
    TFpara *Fpara = nullptr;
    QFileDialog *SaveDialog1 = nullptr;
    QPlainTextEdit *Memo6 = nullptr;
    QPlainTextEdit *Memo5 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLineEdit *Edit13 = nullptr;
    QPushButton *Button15 = nullptr;
    QPushButton *Button14 = nullptr;
    QPushButton *Button17 = nullptr;
    QCheckBox *chk_del_ext = nullptr;
    QPushButton *Button16 = nullptr;
    QPushButton *Button22 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button23 = nullptr;
    QPushButton *Button24 = nullptr;
    QLineEdit *Edit22 = nullptr;
    QLineEdit *Edit23 = nullptr;
    QPushButton *Button40 = nullptr;
};

} // namespace tarvendi::ui

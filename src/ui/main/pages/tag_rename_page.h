#pragma once
// Page "mp3通配符换名": renaming MP3 files by a template of their tags or by their titles, and
// writing file names into the titles.

#include "rule_page.h"

class QLineEdit;
class QPushButton;
class TMP3Info;

namespace tarvendi::ui {

class TagRenamePage : public RulePage {
    Q_OBJECT
public:
    TagRenamePage(PassHost &host, TMP3Info &tags);

public slots:
    void Button10Click();
    void Button12Click();
    void Button13Click();

private:
    TMP3Info &MP3Info1;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit9 = nullptr;
    QPushButton *Button11 = nullptr;
    QPushButton *Button10 = nullptr;
    QPushButton *Button13 = nullptr;
    QPushButton *Button12 = nullptr;
};

} // namespace tarvendi::ui

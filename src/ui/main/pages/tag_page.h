#pragma once
// Page "mp3标签": the tag of the file a selection focused on, and writing typed values into the
// tags of every MP3 item. The tag of another audio format (when the option reads them) is shown
// read-only: the program writes ID3v1 tags only.

#include <QWidget>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class TMP3Info;

namespace tarvendi::ui {

class PassHost;

class TagPage : public QWidget {
    Q_OBJECT
public:
    TagPage(PassHost &host, TMP3Info &tags);
    // Reads and shows the tag of path when it names an MP3 file, or another audio file while the
    // option reads them (its fields then read-only and "保存" disabled, until an MP3 file's tag
    // is shown); leaves the page as it is otherwise. Throws the component's IoError.
    void show_tag(const std::string &path);
    // What the file-name field shows (the tag commands of the menu write their names there).
    void show_file_text(const std::string &text);
    // The help text, which says where the fields come from and that saving writes ID3v1 only.
    void show_help(bool prefer_id3v2);

public slots:
    void Button8Click();

private:
    // Fields of another format than MP3 are shown, which saving cannot write.
    void show_other_format(bool other);

    PassHost &host_;
    TMP3Info &MP3Info1;
    QLineEdit *Edit15 = nullptr;
    QLineEdit *Edit8 = nullptr;
    QLineEdit *Edit14 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button8 = nullptr;
    QTextEdit *help_ = nullptr;
    bool other_format_ = false;
};

} // namespace tarvendi::ui

// Makes the pictures of the user guide: the main window as it opens, then an example on each
// notebook page, previewed. Run it under Xvfb (or any display) with the folder to write the
// pictures to and the folder to make the example folders in, whose path the pictures show
// (default: the home folder); the examples are removed afterwards:
//   DISPLAY=:99 guide_screenshots docs/guide/images /home/xiaoming/音乐

#include "language.h"
#include "windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace fs = std::filesystem;

namespace {

// A 2000-byte MP3 body with an ID3v1 record; title and artist in GB18030.
std::string song(const std::string &title, const std::string &artist) {
    std::string record(128, ' ');
    record.replace(0, 3, "TAG");
    record.replace(3, title.size(), title);
    record.replace(33, artist.size(), artist);
    record[127] = 12;
    return std::string(2000, '\0') + record;
}

void write(const fs::path &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class Shots {
public:
    Shots(TForm1 &form, QString out)
        : form_(form)
        , out_(std::move(out)) {}

    template <class T> T *get(const char *name) {
        return form_.findChild<T *>(QLatin1String(name));
    }
    void text(const char *name, const QString &value) {
        if (auto *edit = get<QLineEdit>(name))
            edit->setText(value);
        else if (auto *box = get<QComboBox>(name))
            box->setCurrentText(value);
        else if (auto *memo = get<QPlainTextEdit>(name))
            memo->setPlainText(value);
    }
    void click(const char *name) { get<QAbstractButton>(name)->click(); }
    void open(const QString &folder) {
        text("Edit16", folder);
        QMetaObject::invokeMethod(&form_, "Edit16KeyPress");
    }
    void page(const char *sheet) {
        auto *pages = get<QTabWidget>("PageControl1");
        pages->setCurrentWidget(get<QWidget>(sheet));
    }
    void save(const char *file) {
        for (int i = 0; i < 5; ++i)
            QTest::qWait(40);
        form_.grab().save(out_ + QLatin1Char('/') + QLatin1String(file));
    }

private:
    TForm1 &form_;
    QString out_;
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // TARVENDI_LANG=en makes the English pictures.
    tarvendi::ui::use_language(tarvendi::ui::chosen_language());
    const QString out =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();

    const fs::path root =
        (argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::homePath()).toStdString();
    const fs::path music = root / "古筝名曲";
    const fs::path docs = root / "文档";
    // The examples are removed afterwards: never take over folders that hold the user's files.
    if (fs::exists(music) || fs::exists(docs)) {
        std::cerr << music << " or " << docs << " exists already; choose another folder\n";
        return 1;
    }
    fs::create_directories(music);
    fs::create_directories(docs);
    const char *titles[][3] = {
        {"03-出水莲.mp3", "\xB3\xF6\xCB\xAE\xC1\xAB", "\xB9\xC5\xF3\xDD"},
        {"07-春江花月夜.mp3", "\xB4\xBA\xBD\xAD\xBB\xA8\xD4\xC2\xD2\xB9", "\xB9\xC5\xF3\xDD"},
        {"11-高山流水.mp3", "\xB8\xDF\xC9\xBD\xC1\xF7\xCB\xAE", "\xB9\xC5\xF3\xDD"},
        {"12-渔舟唱晚.mp3", "\xD3\xE6\xD6\xDB\xB3\xAA\xCD\xED", "\xB9\xC5\xF3\xDD"},
        {"第三集 古筝 独奏.mp3", "\xB6\xC0\xD7\xE0", "\xB9\xC5\xF3\xDD"}};
    for (const auto &t : titles)
        write(music / t[0], song(t[1], t[2]));
    for (const char *name : {"1.doc", "2.doc", "15.doc", "101.doc", "readme.txt"})
        write(docs / name, "x");
    fs::current_path(music);

    ApplicationWindows windows;
    TForm1 &form = windows.Form1;
    form.show();
    Shots shots(form, out);

    shots.save("main-window.png");

    shots.page("TabSheet5");
    shots.text("edit10", QStringLiteral("###-*"));
    shots.click("Button3");
    shots.save("page-wildcard.png");

    shots.page("TabSheet7");
    shots.text("Memo6", QStringLiteral("出水莲\n春江花月夜\n高山流水\n渔舟唱晚\n独奏"));
    shots.text("ComboBox1", QStringLiteral("##-"));
    shots.click("Button15");
    shots.save("page-text-list.png");

    shots.page("TabSheet9");
    shots.text("Edit5", QStringLiteral("古筝"));
    shots.text("Edit6", QStringLiteral("琵琶"));
    shots.click("Button31");
    shots.save("page-replace.png");

    shots.page("TabSheet1");
    shots.text("Edit1", QStringLiteral("0"));
    shots.text("Edit2", QStringLiteral("-"));
    shots.text("edit7", QStringLiteral("##-"));
    shots.click("Button9");
    shots.save("page-range.png");

    shots.page("TabSheet2");
    shots.text("Edit17", QStringLiteral("1"));
    shots.text("Edit18", QStringLiteral("3"));
    shots.text("edit19", QStringLiteral("中国名曲-###."));
    shots.click("Button21");
    shots.save("page-sequence.png");

    shots.page("TabSheet8");
    shots.get<QCheckBox>("CheckBox5")->setChecked(true);
    shots.get<QCheckBox>("CheckBox8")->setChecked(true);
    shots.click("Button4");
    shots.save("page-special.png");

    shots.page("TabSheet4");
    shots.text("Edit12", QStringLiteral("wma"));
    shots.click("Button7");
    shots.save("page-extension.png");

    shots.page("TabSheet6");
    shots.click("Button11");
    shots.save("page-tag-rename.png");

    shots.page("TabSheet3");
    auto *files = shots.get<QListView>("FileListBox1");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualRect(files->model()->index(1, 0)).center());
    shots.save("page-tags.png");

    shots.page("TabSheet11");
    shots.text("Edit24", QStringLiteral("^(\\d+)-(.+)$"));
    shots.text("Edit25", QStringLiteral("$2 ($1)"));
    shots.click("Button41");
    shots.save("page-regex.png");

    shots.open(QString::fromStdString(docs.string()));
    shots.page("TabSheet10");
    shots.text("Edit21", QStringLiteral("3"));
    shots.click("Button38");
    shots.save("page-padding.png");

    fs::current_path(root);
    fs::remove_all(music);
    fs::remove_all(docs);
    return 0;
}

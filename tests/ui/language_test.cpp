// The language of the windows: how it is chosen, the English windows with no Chinese left, every
// translated text as the translation file has it, and the submenu "语言 / Language".

#include "core_text.h"
#include "language.h"
#include "options.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QXmlStreamReader>

using namespace tarvendi::test;
using tarvendi::ui::Language;

namespace {

const QRegularExpression kChinese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
// They name the languages in themselves, for whoever cannot read the other.
const QStringList kBilingual = {QStringLiteral("中文"), QStringLiteral("语言 / Language")};

// Every text a user can read in the windows, as "object: text".
QStringList window_texts(ApplicationWindows &w) {
    QStringList texts;
    auto add = [&](const QObject *o, const QString &text) {
        if (!text.isEmpty())
            texts << o->objectName() + QStringLiteral(": ") + text;
    };
    for (QWidget *window :
         std::initializer_list<QWidget *>{&w.Form1, &w.Form2, &w.Fabout, &w.Fpara, &w.Fpara2}) {
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets << window;
        for (QWidget *o : widgets) {
            add(o, o->windowTitle());
            add(o, o->toolTip());
            if (auto *label = qobject_cast<QLabel *>(o))
                add(o, label->text());
            if (auto *button = qobject_cast<QAbstractButton *>(o))
                add(o, button->text());
            if (auto *box = qobject_cast<QGroupBox *>(o))
                add(o, box->title());
            if (auto *edit = qobject_cast<QLineEdit *>(o))
                add(o, edit->text() + edit->placeholderText());
            if (auto *memo = qobject_cast<QPlainTextEdit *>(o))
                add(o, memo->toPlainText());
            if (auto *rich = qobject_cast<QTextEdit *>(o))
                add(o, rich->toPlainText());
            if (auto *menu = qobject_cast<QMenu *>(o))
                add(o, menu->title());
            if (auto *tabs = qobject_cast<QTabWidget *>(o))
                for (int i = 0; i < tabs->count(); ++i)
                    add(o, tabs->tabText(i));
            // The drives are the machine's mount points, no text of ours; they change while
            // the test runs when other tests mount disk images.
            if (auto *combo = qobject_cast<QComboBox *>(o);
                combo && combo->objectName() != u"DriveComboBox1")
                for (int i = 0; i < combo->count(); ++i)
                    add(o, combo->itemText(i));
        }
        for (QAction *action : window->findChildren<QAction *>())
            add(action, action->text());
    }
    return texts;
}

QStringList with_chinese(const QStringList &texts) {
    QStringList found;
    for (const QString &text : texts)
        if (text.contains(kChinese) && !kBilingual.contains(text.section(QStringLiteral(": "), 1)))
            found << text;
    return found;
}

// The text of a <source> or <translation>, whose carriage returns the file keeps as bytes.
QString element_text(QXmlStreamReader &xml) {
    QString text;
    const QString element = xml.name().toString();
    while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == element)) {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == u"byte")
            text +=
                QChar(xml.attributes().value(QStringLiteral("value")).mid(1).toUShort(nullptr, 16));
    }
    return text;
}

struct Translation {
    QString context, source, english;
};

QList<Translation> translation_file() {
    QFile file(QStringLiteral(TARVENDI_TS_FILE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", TARVENDI_TS_FILE);
    QXmlStreamReader xml(&file);
    QList<Translation> all;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            all.push_back({context, element_text(xml), {}});
        else if (xml.name() == u"translation")
            all.back().english = element_text(xml);
    }
    return all;
}

QStringList placeholders(const QString &text) {
    QStringList found;
    for (const QRegularExpressionMatch &m :
         QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void language_follows_override_then_choice_then_locale_data() {
        QTest::addColumn<QString>("override");
        QTest::addColumn<int>("saved"); // -1 none, else a Language
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("language");
        const int zh = int(Language::Chinese), en = int(Language::English);
        QTest::newRow("en_US") << "" << -1 << "en_US.UTF-8" << en;
        QTest::newRow("en_GB") << "" << -1 << "en_GB" << en;
        QTest::newRow("en") << "" << -1 << "en" << en;
        QTest::newRow("C") << "" << -1 << "C" << zh;
        QTest::newRow("C.UTF-8") << "" << -1 << "C.UTF-8" << zh;
        QTest::newRow("POSIX") << "" << -1 << "POSIX" << zh;
        QTest::newRow("zh_CN") << "" << -1 << "zh_CN.UTF-8" << zh;
        QTest::newRow("fr_FR") << "" << -1 << "fr_FR.UTF-8" << zh;
        QTest::newRow("no locale") << "" << -1 << "" << zh;
        QTest::newRow("saved beats locale") << "" << zh << "en_US.UTF-8" << zh;
        QTest::newRow("saved English") << "" << en << "C" << en;
        QTest::newRow("override beats saved") << "en" << zh << "zh_CN" << en;
        QTest::newRow("override zh") << "zh" << en << "en_US" << zh;
        QTest::newRow("unknown override") << "fr" << -1 << "en_US" << en;
    }

    void language_follows_override_then_choice_then_locale() {
        QFETCH(QString, override);
        QFETCH(int, saved);
        QFETCH(QString, locale);
        QFETCH(int, language);
        const std::optional<Language> choice =
            saved < 0 ? std::nullopt : std::optional(Language(saved));
        QCOMPARE(int(tarvendi::ui::pick_language(override, choice, locale)), language);
    }

    // The windows of a Chinese run (LANG=C, zh_CN) keep the texts of the code, also after an
    // English run in the same process; the English windows keep only the bilingual items.
    void english_windows_have_no_chinese_left_and_chinese_ones_are_unchanged() {
        TempFolder dir;
        tarvendi::ui::use_language(Language::Chinese); // what a run did before English came
        const QStringList before = window_texts(*start_windows());
        QVERIFY(before.size() > 150);
        QVERIFY(!with_chinese(before).isEmpty());

        // A run in the locale, with no choice saved and no override.
        QSettings(QStringLiteral("tarvendi"), QStringLiteral("tarvendi"))
            .remove(QStringLiteral("ui/language"));
        for (const char *variable : {"LC_ALL", "LC_MESSAGES", "TARVENDI_LANG"})
            qunsetenv(variable);
        auto texts_under = [](const char *locale) {
            qputenv("LANG", locale);
            tarvendi::ui::use_language(tarvendi::ui::chosen_language());
            return window_texts(*start_windows());
        };
        const QStringList english = texts_under("en_US.UTF-8");
        QCOMPARE(with_chinese(english), QStringList());
        QCOMPARE(english.size(), before.size());
        {
            auto w = start_windows();
            BoxAnswerer boxes(QMessageBox::Ok); // no desktop opener offscreen: the path is shown
            control<QAction>(&w->Form1, "N13")->trigger();
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts[0].contains(QStringLiteral("guide/en/index.html")));
            QVERIFY(!boxes.texts[0].contains(kChinese));
        }
        QCOMPARE(texts_under("C"), before);
        QCOMPARE(texts_under("zh_CN.UTF-8"), before);
    }

    // Every text of the translation file, message templates included, comes out of the program
    // as the file has it: in English, with the same placeholders.
    void every_translation_is_built_in_and_complete() {
        tarvendi::ui::use_language(Language::English);
        const QList<Translation> all = translation_file();
        QVERIFY(all.size() > 150);
        for (const Translation &t : all) {
            const QByteArray context = t.context.toUtf8(), source = t.source.toUtf8();
            QVERIFY2(!t.english.isEmpty() && !t.english.contains(kChinese), source.constData());
            QCOMPARE(QCoreApplication::translate(context.constData(), source.constData()),
                     t.english);
            QCOMPARE(placeholders(t.english), placeholders(t.source));
        }
        tarvendi::ui::use_language(Language::Chinese);
        QCOMPARE(QCoreApplication::applicationName(),
                 QStringLiteral("Tarvendi（含MP3批量更名）绿色版"));
    }

    // The engine's texts in the window: fixed ones whole, a lead with its detail kept, a text
    // of the system as it stands.
    void engine_texts_follow_the_window() {
        const struct {
            const char *engine, *chinese, *english;
        } cases[] = {
            {"目标已存在", "目标已存在", "name already taken"},
            {"无法写入撤销记录，操作没有执行：磁盘空间不足：\"/a：b\"",
             "无法写入撤销记录，操作没有执行：磁盘空间不足：\"/a：b\"",
             "Cannot write the undo record; nothing was done: no space left on the disk: "
             "\"/a：b\""},
            {"系统错误 4000", "系统错误 4000", "system error 4000"},
            {"a：名称未变", "a：名称未变", "a：名称未变"},
            {"Permission denied", "Permission denied", "Permission denied"},
        };
        for (Language language : {Language::English, Language::Chinese}) {
            tarvendi::ui::use_language(language);
            for (const auto &c : cases)
                QCOMPARE(tarvendi::ui::core_text(c.engine),
                         QString::fromUtf8(language == Language::English ? c.english : c.chinese));
        }
    }

    // A choice is saved for the next start, which the user is told in the chosen language.
    void language_menu_saves_the_choice_for_the_next_start() {
        TempFolder dir;
        tarvendi::ui::use_language(Language::Chinese);
        auto w = start_windows();
        auto *chinese = control<QAction>(&w->Form1, "N19");
        auto *english = control<QAction>(&w->Form1, "N20");
        QCOMPARE(control<QMenu>(&w->Form1, "N18")->title(), kBilingual[1]);
        QVERIFY(chinese->isChecked() && !english->isChecked());
        {
            BoxAnswerer boxes(QMessageBox::Ok);
            english->trigger();
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(!boxes.texts[0].contains(kChinese));
        }
        QVERIFY(english->isChecked() && !chinese->isChecked());
        QCOMPARE(tarvendi::ui::saved_language(), std::optional(Language::English));
        BoxAnswerer boxes(QMessageBox::Ok);
        chinese->trigger();
        QCOMPARE(boxes.texts, QStringList()); // the language in use: nothing to restart for
        QCOMPARE(tarvendi::ui::saved_language(), std::optional(Language::Chinese));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"

// The wildcard page's option "照片用拍摄时间" (CheckBox17): off at first and remembered; with it
// on, "/" and ":" take a photo's own date, and a file without one keeps its last-write time and
// says so in its preview line's tooltip.

#include "page_fields.h"

#include <QSettings>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

using namespace tarvendi::test;

class PhotoDateTest : public QObject {
    Q_OBJECT

private slots:
    // The test's own configuration: a run before it must not have left the option on.
    void initTestCase() {
        QSettings(QStringLiteral("tarvendi"), QStringLiteral("tarvendi")).clear();
    }

    void dates_of_the_preview_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("off: every file its last-write time")
            << false
            << QStringList{"20210302 04.05.06-no_date.jpg | ", "20210302 04.05.06-original.jpg | ",
                           "20210302 04.05.06-xmp_only.jpg | "};
        QTest::newRow("on: photos their own date, the others say so")
            << true
            << QStringList{"20210302 04.05.06-no_date.jpg | 无拍摄时间，用修改时间",
                           "20190504 10.20.31-original.jpg | ",
                           "20151231 23.59.57-xmp_only.jpg | "};
    }

    void dates_of_the_preview() {
        QFETCH(bool, on);
        QFETCH(QStringList, expected);
        TempFolder dir;
        std::tm local{};
        ::strptime("2021-03-02 04:05:07", "%Y-%m-%d %H:%M:%S", &local);
        local.tm_isdst = -1;
        const timespec written[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
        for (const char *name : {"original.jpg", "no_date.jpg", "xmp_only.jpg"}) {
            std::filesystem::copy_file(std::string(TARVENDI_PHOTO_DATA "/") + name, dir / name);
            QCOMPARE(::utimensat(AT_FDCWD, name, written, 0), 0);
        }
        auto w = start_windows();
        QVERIFY(!control<QCheckBox>(&w->Form1, "CheckBox17")->isChecked());
        set_fields(&w->Form1, {"edit10=/ :-*", on ? "CheckBox17=1" : "CheckBox17=0"});
        click(*w, QStringLiteral("Button3"));
        QStringList lines;
        const QAbstractItemModel *model = preview_list(*w)->model();
        for (int row = 0; row < model->rowCount(); ++row)
            lines << model->index(row, 0).data().toString() + " | " +
                         model->index(row, 0).data(Qt::ToolTipRole).toString();
        QCOMPARE(lines, expected);

        // Remembered for the next start; off again for the rows after this one.
        w.reset();
        w = start_windows();
        auto *option = control<QCheckBox>(&w->Form1, "CheckBox17");
        QCOMPARE(option->isChecked(), on);
        option->setChecked(false);
    }
};

QTEST_MAIN(PhotoDateTest)
#include "photo_date_test.moc"

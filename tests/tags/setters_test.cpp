// Construction, the published interface, and the setters, which work in memory only.

#include "tag_test_support.h"

#include <QMetaProperty>
#include <QPointer>
#include <QVariant>

namespace tags_test {
namespace {

TEST(Construction, StartingValues) {
    QObject owner;
    auto *info = new TMP3Info(&owner);
    EXPECT_EQ(info->parent(), &owner);
    EXPECT_EQ(info->GenreID(), 12);
    EXPECT_EQ(info->Genre(), "");
    EXPECT_FALSE(info->Valid());
    EXPECT_FALSE(info->Saved());
    for (const QByteArray &text : {info->Filename(), info->Artist(), info->Title(), info->Album(),
                                   info->Year(), info->Comment(), info->Error()})
        EXPECT_EQ(text, "");
    EXPECT_FALSE(info->onChangeFile());
    EXPECT_FALSE(info->onChange());
    EXPECT_FALSE(info->onError());
    // With no handler assigned, firing is skipped.
    info->setTitle("x");
    info->setFilename("/nonexistent/x.mp3");
    EXPECT_EQ(info->Error(), "File doesn`t exist !");
}

TEST(Construction, OwnerReleasesTheComponent) {
    QPointer<TMP3Info> info;
    {
        QObject owner;
        info = new TMP3Info(&owner);
        ASSERT_FALSE(info.isNull());
    }
    EXPECT_TRUE(info.isNull());
}

TEST(Construction, PublishedInterface) {
    const QMetaObject &meta = TMP3Info::staticMetaObject;
    const struct {
        const char *name;
        bool writable;
    } expected[] = {
        {"Filename", true}, {"Artist", true},  {"Title", true},  {"Album", true},
        {"Year", true},     {"Comment", true}, {"Genre", false}, {"GenreID", true},
        {"Valid", false},   {"Saved", false},  {"Error", false},
    };
    ASSERT_EQ(meta.propertyCount() - meta.propertyOffset(), static_cast<int>(std::size(expected)));
    for (int i = 0; i < static_cast<int>(std::size(expected)); ++i) {
        const QMetaProperty property = meta.property(meta.propertyOffset() + i);
        EXPECT_STREQ(property.name(), expected[i].name);
        EXPECT_EQ(property.isWritable(), expected[i].writable) << expected[i].name;
    }
    EXPECT_GE(meta.indexOfMethod("Save()"), 0);
    EXPECT_GE(meta.indexOfMethod("RemoveID3()"), 0);
}

TEST(Construction, GenreTable) {
    const TMP3Info info(nullptr);
    ASSERT_EQ(info.Genres().size(), 115);
    const struct {
        int index;
        const char *name;
    } cases[] = {
        {0, "Blues"},      {12, "Other"},        {14, "R&B"},       {62, "Pop/Funk"},
        {79, "Hard Rock"}, {80, "Folk"},         {83, "Swing"},     {84, "Bebob"},
        {85, "Latin"},     {108, "Porn Groove"}, {114, "Folklore"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(info.Genres().at(c.index), QLatin1StringView(c.name)) << c.index;
    EXPECT_FALSE(info.Genres().contains(QStringLiteral("Fast Fusion")));
    QStringList names = info.Genres();
    EXPECT_EQ(names.removeDuplicates(), 0);
}

using SetterTest = TagTest;

// The cuts count bytes and may split a double-byte character; nothing else changes the value.
TEST_F(SetterTest, KeepsFieldWidth) {
    using Setter = void (TMP3Info::*)(const QByteArray &);
    using Getter = const QByteArray &(TMP3Info::*)() const;
    const QByteArray zhong = gb("中");
    ASSERT_EQ(zhong.size(), 2);
    const struct {
        const char *what;
        Setter set;
        Getter get;
        QByteArray value;
        QByteArray expected;
    } cases[] = {
        {"31-byte title", &TMP3Info::setTitle, &TMP3Info::Title, QByteArray(30, 'a') + "b",
         QByteArray(30, 'a')},
        {"30-byte artist", &TMP3Info::setArtist, &TMP3Info::Artist, QByteArray(30, 'r'),
         QByteArray(30, 'r')},
        {"long album", &TMP3Info::setAlbum, &TMP3Info::Album, QByteArray(300, 'l'),
         QByteArray(30, 'l')},
        {"comment cut inside a Chinese character", &TMP3Info::setComment, &TMP3Info::Comment,
         QByteArray(29, 'c') + zhong, QByteArray(29, 'c') + zhong.left(1)},
        {"Chinese title of exactly 30 bytes", &TMP3Info::setTitle, &TMP3Info::Title,
         zhong.repeated(15), zhong.repeated(15)},
        {"year 20240", &TMP3Info::setYear, &TMP3Info::Year, "20240", "2024"},
        {"short year", &TMP3Info::setYear, &TMP3Info::Year, "99", "99"},
        {"year cut inside a Chinese character", &TMP3Info::setYear, &TMP3Info::Year, "199" + zhong,
         "199" + zhong.left(1)},
        {"blanks and control bytes stay", &TMP3Info::setArtist, &TMP3Info::Artist, "  \tA\x01 ",
         "  \tA\x01 "},
        {"empty title", &TMP3Info::setTitle, &TMP3Info::Title, "", ""},
    };
    const std::string file = audio(64) + record("Old", "Old", "Old", "1970", "Old", 5);
    write_file("song.mp3", file);
    info_.setFilename(qpath("song.mp3"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        take_events();
        (info_.*c.set)(c.value);
        EXPECT_EQ((info_.*c.get)(), c.expected);
        EXPECT_EQ(take_events(), (EventCounts{0, 1, 0}));
        EXPECT_TRUE(info_.Valid());
        EXPECT_FALSE(info_.Saved());
        EXPECT_EQ(read_file("song.mp3"), file);
    }
}

TEST_F(SetterTest, GenreID) {
    const struct {
        quint8 value;
        quint8 id;
        const char *genre;
    } cases[] = {
        {0, 0, "Blues"},    {12, 12, "Other"},  {113, 113, "Samba"}, {114, 114, "Folklore"},
        {115, 12, "Other"}, {200, 12, "Other"}, {255, 12, "Other"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        info_.setGenreID(3);
        take_events();
        info_.setGenreID(c.value);
        EXPECT_EQ(info_.GenreID(), c.id);
        EXPECT_EQ(info_.Genre(), c.genre);
        EXPECT_EQ(take_events(), (EventCounts{0, 1, 0}));
    }
}

// The property system reaches the same setters.
TEST_F(SetterTest, ThroughProperties) {
    EXPECT_TRUE(info_.setProperty("Title", QByteArray(31, 't')));
    EXPECT_TRUE(info_.setProperty("Year", QByteArray("20240")));
    EXPECT_TRUE(info_.setProperty("GenreID", QVariant::fromValue<quint8>(255)));
    EXPECT_FALSE(info_.setProperty("Genre", QByteArray("Rock")));
    EXPECT_EQ(info_.property("Title").toByteArray(), QByteArray(30, 't'));
    EXPECT_EQ(info_.property("Year").toByteArray(), "2024");
    EXPECT_EQ(info_.property("GenreID").value<quint8>(), 12);
    EXPECT_EQ(info_.property("Genre").toByteArray(), "Other");
    EXPECT_EQ(take_events(), (EventCounts{0, 3, 0}));

    write_file("song.mp3", record("Song", "", "", "", "", 1));
    EXPECT_TRUE(info_.setProperty("Filename", qpath("song.mp3")));
    EXPECT_EQ(info_.Title(), "Song");
    EXPECT_EQ(take_events(), (EventCounts{1, 0, 0}));
}

} // namespace
} // namespace tags_test

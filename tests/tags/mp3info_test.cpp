// TMP3Info, the window's tag component: construction, the published interface, and the tag
// it holds, whose changes it shows and whose events it passes on.

#include "MP3Info.h"
#include "tag_test_support.h"

#include <QMetaProperty>
#include <QPointer>
#include <QVariant>

#include <utility>

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

class Mp3InfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto counter = [this](int EventCounts::*slot) {
            return [this, slot](TMP3Info *sender) {
                EXPECT_EQ(sender, &info_);
                ++(events_.*slot);
            };
        };
        info_.setOnChangeFile(counter(&EventCounts::change_file));
        info_.setOnChange(counter(&EventCounts::change));
        info_.setOnError(counter(&EventCounts::error));
    }
    QByteArray qpath(std::string_view name) const {
        return QByteArray::fromStdString(folder_ / name);
    }
    void write_file(std::string_view name, std::string_view bytes) const {
        folder_.file(name, bytes);
    }
    EventCounts take_events() { return std::exchange(events_, {}); }

    tarvendi::testing::TempFolder folder_;
    TMP3Info info_{nullptr};
    EventCounts events_;
};

// The property system reaches the same setters.
TEST_F(Mp3InfoTest, ThroughProperties) {
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

// The passes work on tag() directly: the component shows what they change and passes their
// events on as its own.
TEST_F(Mp3InfoTest, ShowsChangesMadeThroughTheTag) {
    write_file("song.mp3", record("Song", "Singer", "", "", "", 17));
    TMP3Info::Tag &tag = info_.tag();
    tag.set_filename(folder_ / "song.mp3");
    EXPECT_EQ(info_.Filename(), qpath("song.mp3"));
    EXPECT_EQ(info_.Title(), "Song");
    EXPECT_EQ(info_.Genre(), "Rock");
    EXPECT_TRUE(info_.Valid());
    tag.set_title("New");
    EXPECT_EQ(info_.property("Title").toByteArray(), "New");
    tag.set_filename(folder_ / "missing.mp3");
    EXPECT_EQ(info_.Error(), "File doesn`t exist !");
    EXPECT_EQ(take_events(), (EventCounts{1, 1, 1}));
}

} // namespace
} // namespace tags_test

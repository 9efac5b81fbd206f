#pragma once
// Fixtures for the ID3v1 tag's tests: a fresh folder per test under the system's temporary
// folder, raw file bytes, records assembled by hand (independently of the code under test) and
// counters for the three events.

#include "id3v1_tag.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <string>
#include <string_view>
#include <vector>

// Shows byte strings as escaped text in failure messages (found by argument lookup).
void PrintTo(const QByteArray &bytes, std::ostream *os);

namespace tags_test {

// The GB18030 bytes of a UTF-8 text.
std::string gb(std::string_view utf8);

// text padded with pad to width bytes (left as it is when it is already that long).
std::string field(std::string_view text, std::size_t width, char pad = ' ');

// A 128-byte record: marker, the five texts each padded with pad, the genre byte.
std::string record(std::string_view title, std::string_view artist, std::string_view album,
                   std::string_view year, std::string_view comment, unsigned char genre,
                   char pad = ' ', std::string_view marker = "TAG");

// Audio-like bytes that hold no record and no "TAG".
std::string audio(std::size_t size);

bool running_as_root();

// Number of descriptors this process holds open, to see that a failure closed its file.
int open_descriptors();

struct EventCounts {
    int change_file = 0;
    int change = 0;
    int error = 0;
    bool operator==(const EventCounts &) const = default;
};
void PrintTo(const EventCounts &counts, std::ostream *os);

class TagTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Absolute path of name (UTF-8, as on disk) inside the test's folder.
    std::string path(std::string_view name) const;
    void write_file(std::string_view name, std::string_view bytes) const;
    std::string read_file(std::string_view name) const;
    unsigned mode(std::string_view name) const;
    void set_mode(std::string_view name, unsigned mode) const;
    // Sets the immutable attribute (which even root cannot write through or chmod past); false
    // when the process or the file system cannot. Cleared again in TearDown.
    bool make_immutable(std::string_view name);
    // Events counted since the last call.
    EventCounts take_events();

    tarvendi::testing::TempFolder folder_;
    tarvendi::tags::Id3v1Tag info_;

private:
    EventCounts events_;
    std::vector<std::string> immutable_;
};

} // namespace tags_test

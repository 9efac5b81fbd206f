// A preview of the template rename by tags ("##_@_$", the other audio formats read) over 10,000
// tagged FLAC files, beside a bare loop that opens each file, reads its first 64 KiB and closes
// it: what reading the Vorbis comments through TagLib and planning cost over touching each
// file's head at all. Both run several times, alternating, and the best time of each counts.
// Each file is the FLAC stream of tests/tags/data/untagged.flac with a Vorbis comment block of
// its own put in, followed by stand-in audio up to 64 KiB past the stream's metadata. Run it on
// tmpfs:  audio_bench /dev/shm 10000

#include "bench_support.h"
#include "id3v1_tag.h"
#include "pass.h"
#include "tag_passes.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace tarvendi;

namespace {

constexpr std::size_t kHead = 64 * 1024;
constexpr int kRounds = 5;

std::string read_all(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string le32(std::size_t n) {
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<char>((n >> (8 * i)) & 0xFF);
    return out;
}

std::string block_header(bool last, int type, std::size_t length) {
    return {static_cast<char>((last ? 0x80 : 0) | type), static_cast<char>((length >> 16) & 0xFF),
            static_cast<char>((length >> 8) & 0xFF), static_cast<char>(length & 0xFF)};
}

// The stream's STREAMINFO block and its audio frames, its other metadata blocks left out.
struct Stream {
    std::string info, frames;
};

Stream parse(const std::string &flac) {
    if (flac.compare(0, 4, "fLaC") != 0) {
        std::fprintf(stderr, "the fixture is no FLAC stream\n");
        std::exit(1);
    }
    Stream stream;
    std::size_t at = 4;
    for (bool last = false; !last;) {
        const auto byte = [&](std::size_t k) {
            return static_cast<unsigned char>(flac[at + k]);
        };
        last = (byte(0) & 0x80) != 0;
        const std::size_t length = (std::size_t{byte(1)} << 16) | (byte(2) << 8) | byte(3);
        if ((byte(0) & 0x7F) == 0)
            stream.info = flac.substr(at + 4, length);
        at += 4 + length;
    }
    stream.frames = flac.substr(at);
    return stream;
}

std::string tagged_flac(const Stream &stream, int i) {
    const std::string vendor = "audio_bench";
    const std::string fields[] = {"TITLE=Title " + std::to_string(i),
                                  "ARTIST=Artist " + std::to_string(i % 97), "TRACKNUMBER=1"};
    std::string comment = le32(vendor.size()) + vendor + le32(std::size(fields));
    for (const std::string &field : fields)
        comment += le32(field.size()) + field;
    std::string file = "fLaC" + block_header(false, 0, stream.info.size()) + stream.info +
                       block_header(true, 4, comment.size()) + comment + stream.frames;
    file.resize(file.size() + kHead, '\x55');
    return file;
}

} // namespace

int main(int argc, char *argv[]) {
    const std::string base = argc > 1 ? argv[1] : "/dev/shm";
    const int count = argc > 2 ? std::atoi(argv[2]) : 10'000;
    const std::string root = bench::fresh_folder(base, "audio");
    const Stream stream = parse(read_all(AUDIO_FIXTURE));
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "track %05d.flac", i);
        names.emplace_back(name);
        std::ofstream(root + "/" + name, std::ios::binary) << tagged_flac(stream, i);
    }
    std::vector<core::PassItem> items;
    std::vector<std::string> paths;
    for (const std::string &name : names) {
        items.push_back({name, true, false});
        paths.push_back(root + "/" + name);
    }

    tags::Id3v1Tag tags;
    const core::PassDescription d =
        passes::tag_template(tags, "##_@_$", [] { return 1; }, {false, true});
    std::vector<char> head(kHead);
    double preview = 1e9;
    double bare = 1e9;
    std::size_t planned = 0;
    long checksum = 0;
    for (int round = 0; round < kRounds; ++round) {
        core::Plan plan;
        core::PassContext context;
        context.folder = root;
        preview =
            std::min(preview, bench::timed([&] { core::plan_pass(d, items, context, plan); }));
        planned = plan.renames.size();
        bare = std::min(bare, bench::timed([&] { checksum += bench::read_heads(paths, head); }));
    }
    std::filesystem::remove_all(root);
    std::printf("audio_bench: %d tagged FLAC files, best of %d rounds (%zu renames planned, "
                "checksum %ld)\n",
                count, kRounds, planned, checksum);
    std::printf("  preview, tag template over FLAC tags: %8.2f ms\n", preview * 1e3);
    std::printf("  bare open/read 64 KiB/close:          %8.2f ms\n", bare * 1e3);
    std::printf("  ratio: %.2fx\n", preview / bare);
    return 0;
}

// A preview of the wildcard rule with photo dates ("/ :-*", CheckBox17 on) over a folder of
// photos, beside a bare loop that opens each file, reads its first 64 KiB (where a camera puts
// its Exif) and closes it; the same preview with last-write times is shown for scale. Each photo
// is a dated JPEG (the tests' original.jpg, with Exif and XMP, unless another is named) followed by
// 96 KiB of stand-in image data. Each figure is the best of several rounds, taken in turns. Run
// it on tmpfs:  photo_bench /dev/shm 10000 [PHOTO]

#include "bench_support.h"
#include "pass.h"
#include "rule_passes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace tarvendi;

namespace {

constexpr std::size_t kImageData = 96 * 1024;
constexpr std::size_t kHead = 64 * 1024;
constexpr int kRounds = 3;

std::string photo(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.empty()) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(1);
    }
    for (std::size_t i = 0; i < kImageData; ++i)
        bytes += static_cast<char>((i * 2654435761u) >> 13);
    return bytes;
}

// The rule's new names over every item, as the window's preview plans them; the number of
// renames, so that nothing is optimised away.
std::size_t preview(const std::vector<core::PassItem> &items, const std::string &folder,
                    bool photo_dates) {
    core::Plan plan;
    core::PassContext context;
    context.folder = folder;
    context.entries = true;
    core::plan_pass(passes::wildcard("/ :-*", passes::fixed(1), photo_dates), items, context, plan);
    return plan.renames.size() - plan.refusals();
}

} // namespace

int main(int argc, char *argv[]) {
    const std::string base = argc > 1 ? argv[1] : "/dev/shm";
    const int count = argc > 2 ? std::atoi(argv[2]) : 10000;
    const std::string dated = argc > 3 ? argv[3] : TARVENDI_PHOTO_DATA "/original.jpg";
    const std::string root = bench::fresh_folder(base, "photo");
    const std::string bytes = photo(dated);
    fs::current_path(root);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%05d.jpg", i);
        names.emplace_back(name);
        std::ofstream(name, std::ios::binary) << bytes;
    }
    std::vector<core::PassItem> items;
    for (const std::string &name : names)
        items.push_back({name, true, false});

    std::vector<char> head(kHead);
    double with_photo_dates = 1e9;
    double written = 1e9;
    double loop = 1e9;
    std::size_t checksum = 0;
    for (int round = 0; round < kRounds; ++round) {
        with_photo_dates = std::min(with_photo_dates,
                                    bench::timed([&] { checksum += preview(items, root, true); }));
        loop = std::min(loop, bench::timed([&] { checksum += bench::read_heads(names, head); }));
        written = std::min(written, bench::timed([&] { checksum += preview(items, root, false); }));
    }
    fs::current_path(base);
    fs::remove_all(root);

    std::printf("photo_bench: %d copies of %s, %zu bytes each, in %s, best of %d rounds "
                "(checksum %zu)\n",
                count, dated.c_str(), bytes.size(), base.c_str(), kRounds, checksum);
    std::printf("  preview, photo dates (Exiv2):      %8.1f ms\n", with_photo_dates * 1e3);
    std::printf("  preview, last-write times:         %8.1f ms\n", written * 1e3);
    std::printf("  bare open/read 64 KiB/close:       %8.1f ms\n", loop * 1e3);
    std::printf("  ratio photo-date preview / bare:   %8.2fx\n", with_photo_dates / loop);
    return 0;
}

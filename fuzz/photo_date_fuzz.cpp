// The photo date on arbitrary bytes: whatever a file holds, Exiv2 and the reading around it
// neither crash nor throw, and a date that comes out of it is one a name can carry. The same
// bytes are read as a date text too.

#include "photo_date.h"

#include <cstdint>
#include <string_view>

namespace {

void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

void require_valid(const std::optional<tarvendi::rules::Timestamp> &t) {
    if (!t)
        return;
    require(t->year >= 1000 && t->year <= 9999);
    require(t->month >= 1 && t->month <= 12 && t->day >= 1 && t->day <= 31);
    require(t->hour >= 0 && t->hour <= 23 && t->minute >= 0 && t->minute <= 59);
    require(t->second >= 0 && t->second <= 59);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace tarvendi::platform;
    require_valid(photo_taken_time(data, size));
    require_valid(
        photo_time_from_text(std::string_view(reinterpret_cast<const char *>(data), size)));
    return 0;
}

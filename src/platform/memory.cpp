#include "memory.h"

#include <malloc.h>

namespace tarvendi::platform {

void return_large_blocks_on_free() {
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

void hand_back_free_memory() {
    malloc_trim(0);
}

} // namespace tarvendi::platform

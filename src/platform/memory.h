#pragma once
// The process's memory: a folder of a million names makes passes that take and free hundreds of
// megabytes at once, and the program should not keep the most it ever needed.

namespace tarvendi::platform {

// Call once at start, before any other thread runs. Every large block (the lists, a plan, the
// table of a folder's names) then lives in its own mapping that goes back to the system when it
// is freed, whichever thread made it; without this the allocator raises its threshold after the
// first such block is freed, and a second thread's arena keeps what it held.
void return_large_blocks_on_free();

// Hands back the free pages among the small blocks, after a pass or a refresh of a huge folder.
void hand_back_free_memory();

} // namespace tarvendi::platform

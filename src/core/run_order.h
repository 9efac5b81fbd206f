#pragma once
// Swaps and shifts: an order of the renames in which each name is freed before it is taken. A
// rename whose target is the source of another waits for that one; the renames so form chains,
// which run from their end, and cycles (a<->b, or a whole series moved round), each broken by
// renaming one of its members to a temporary name first and to its target last. A chain that
// ends in a name held by something that stays is left as it is: its renames are refused as in
// the list order.

#include "plan.h"

namespace tarvendi::core {

// Fills plan.order and marks the renames that go through a temporary name; a rename that waited
// for a name in the list order but gets it in this order becomes "rename". plan's verdicts are
// those of the list order.
void order_renames(Plan &plan);

// The temporary name of a rename that breaks a cycle: hidden, and tied to the process and the
// rename, so that it exists nowhere else.
std::string temporary_name(std::size_t index);

// Whether the last component of path (any encoding) is such a temporary name, of any process.
bool is_temporary_name(std::string_view path);

} // namespace tarvendi::core

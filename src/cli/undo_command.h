#pragma once
// "undo": the newest execute not undone yet, of the window or of this program (they share the
// journal), shown or taken back.

namespace tarvendi::cli {

// Returns the exit status: 1 when something could not be undone.
int undo_last(bool execute, bool json);

} // namespace tarvendi::cli

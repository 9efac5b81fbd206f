#pragma once
// "undo": the newest execute not undone yet, of the window or of this program (they share the
// journal), shown or taken back.

namespace tarvendi::cli {

// Returns the exit status: 1 when something could not be undone, a damaged record was set aside,
// or (wait false) another rename or undo runs.
int undo_last(bool execute, bool wait, bool json);

} // namespace tarvendi::cli

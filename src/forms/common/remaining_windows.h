#pragma once
// The end of the run: windows that are still open when the event loop ends.

namespace kestro {

// Deletes every window that has no parent widget, and with it everything it owns.
void deleteRemainingWindows();

}  // namespace kestro

#pragma once
// The program's windows from the first to the last: the main window shown, the event loop
// run until the program ends, and what is left of the windows freed.

namespace kestro {

// Runs the windows on the application already set up; returns the event loop's status.
int runMainWindow();

}  // namespace kestro

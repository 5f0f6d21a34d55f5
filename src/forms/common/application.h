#pragma once
// What the program sets up on its application object before the first window, shared by
// main() and the start-up benchmark so that both start the same way.

#include <QApplication>
#include <memory>

namespace kestro {

// The application object, connected to the display. Where there is no display to reach (over
// SSH, in a console), Qt would end the program with an abort and a message about reinstalling
// it: instead one line says that the windows need a display and where to look for what works
// without one, and the program exits with status 1.
std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv);

void setUpApplication();

}  // namespace kestro

#pragma once
// What the program sets up on its application object before the first window, shared by
// main() and the start-up benchmark so that both start the same way.

namespace kestro {

void setUpApplication();

}  // namespace kestro

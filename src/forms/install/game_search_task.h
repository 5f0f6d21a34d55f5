#pragma once
// The game search for the install window, on a thread of its own, so that the window opens at
// once however long the disks take.

#include <QFuture>

#include "game/game_search.h"

namespace kestro {

// Starts the search of this machine. The future's results are the folders in the order the
// search finds them, each as soon as it is certain; it finishes when the search ends.
QFuture<GameFolder> startGameSearch();

}  // namespace kestro

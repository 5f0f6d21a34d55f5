#pragma once
// The game search for the command line, which must end when it has answered. Where the system
// has fork(), the search runs in a process of its own: a look that the kernel waits on without
// end (a share whose server has gone) then holds only that process, which ends when the look
// does, while the command line answers within the search's deadline. A thread stuck there
// would keep the whole program from ending, and the shell waiting.

#include <vector>

#include "game/game_search.h"

namespace kestro::cli {

std::vector<GameFolder> findPlayersGameFoldersApart(const SearchOptions& options);

}  // namespace kestro::cli

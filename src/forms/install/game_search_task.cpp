#include "game_search_task.h"

#include <QPromise>
#include <system_error>
#include <thread>

namespace kestro {

QFuture<GameFolder> startGameSearch() {
    QPromise<GameFolder> promise;
    QFuture<GameFolder> future = promise.future();
    promise.start();
    try {
        // The thread owns the promise: a window that goes away drops only its future, and a
        // search that ends after "Exit!" reports to no one.
        std::thread([promise = std::move(promise)]() mutable {
            SearchOptions options;
            options.found = [&promise](const GameFolder& game) { promise.addResult(game); };
            try {
                findPlayersGameFolders(options);
            } catch (const std::exception&) {
                // What was found stays found; the rest is not found.
            }
            promise.finish();
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the window keeps its start value.
    }
    return future;
}

}  // namespace kestro

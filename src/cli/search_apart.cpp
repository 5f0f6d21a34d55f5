#include "search_apart.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#endif

namespace kestro::cli {

#ifdef _WIN32

std::vector<GameFolder> findPlayersGameFoldersApart(const SearchOptions& options) {
    return findPlayersGameFolders(options);
}

#else

namespace {

// What the search's process tells: a folder found (its folder and source), a place passed
// over, the end. Each text goes as its length, then its bytes.
constexpr char kFound = 'F';
constexpr char kPassedOver = 'P';
constexpr char kEnd = 'E';

bool writeAll(int fd, const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool readAll(int fd, void* data, std::size_t size) {
    char* bytes = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t got = ::read(fd, bytes, size);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

void writeText(int fd, const std::string& text) {
    const auto size = static_cast<std::uint32_t>(text.size());
    writeAll(fd, &size, sizeof size);
    writeAll(fd, text.data(), text.size());
}

std::optional<std::string> readText(int fd) {
    std::uint32_t size = 0;
    if (!readAll(fd, &size, sizeof size)) return std::nullopt;
    std::string text(size, '\0');
    if (!readAll(fd, text.data(), size)) return std::nullopt;
    return text;
}

// The search's process: its streams lead nowhere, so that a shell reading this program's
// output is not kept waiting by it; it ends without the program's clean-up, which belongs to
// the process that started it.
[[noreturn]] void searchHere(int out, const SearchOptions& options) {
    const int nowhere = ::open("/dev/null", O_RDWR);
    for (int stream = 0; stream < 3 && nowhere >= 0; ++stream) ::dup2(nowhere, stream);
    SearchOptions here = options;
    here.passedOver = [out](const std::string& place) {
        writeAll(out, &kPassedOver, 1);
        writeText(out, place);
    };
    for (const GameFolder& game : findPlayersGameFolders(here)) {
        writeAll(out, &kFound, 1);
        writeText(out, game.folder);
        writeText(out, game.source);
    }
    writeAll(out, &kEnd, 1);
    ::_exit(0);
}

}  // namespace

std::vector<GameFolder> findPlayersGameFoldersApart(const SearchOptions& options) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return findPlayersGameFolders(options);
    const pid_t searcher = ::fork();
    if (searcher < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        return findPlayersGameFolders(options);
    }
    if (searcher == 0) {
        ::close(pipeEnds[0]);
        searchHere(pipeEnds[1], options);
    }
    ::close(pipeEnds[1]);
    // The search's process answers within its deadlines, then ends, unless a look keeps it;
    // its end marker, not the end of the pipe, says that it is done.
    std::vector<GameFolder> found;
    for (char kind = 0; readAll(pipeEnds[0], &kind, 1) && kind != kEnd;) {
        const std::optional<std::string> text = readText(pipeEnds[0]);
        if (!text) break;
        if (kind == kPassedOver && options.passedOver) options.passedOver(*text);
        if (kind != kFound) continue;
        std::optional<std::string> source = readText(pipeEnds[0]);
        if (!source) break;
        found.push_back({*text, std::move(*source)});
    }
    ::close(pipeEnds[0]);
    // Gathered at once if it has ended; one still held by a look ends on its own later.
    ::waitpid(searcher, nullptr, WNOHANG);
    return found;
}

#endif

}  // namespace kestro::cli

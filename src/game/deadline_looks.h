#pragma once
// Looks at places on the disks that may never answer: a library on a share that has gone
// away, a network drive, a sleeping disk. A search runs on a thread of its own and asks every
// look through a LookRun. A look that has not answered within the deadline is given up: its
// place counts as absent, its thread is left waiting on it, and the search runs again on a new
// thread, where every look that has answered answers again at once from memory. So a place
// that never answers costs the deadline once, and no caller waits for it longer.

#include <any>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kestro {

class LookWatch;

struct DeadlineOptions {
    std::chrono::milliseconds deadline;
    // Told, on the caller's thread, of each place given up, by the name it was looked at under.
    std::function<void(const std::string& shown)> passedOver;
};

// One run of a search: its looks, answered from memory where an earlier run had them.
class LookRun {
public:
    LookRun(std::shared_ptr<LookWatch> watch, unsigned run);

    // What `look` answers for the place `id` (named `shown` if it is given up). A place given
    // up answers T{}, and so does every look of a run that has been given up, so that such a
    // run ends quickly and touches no disk. An exception out of `look` is an absent place.
    template <class T, class Look>
    T look(const std::string& id, std::string_view shown, Look&& look) {
        if (std::optional<std::any> known = begin(id, shown)) {
            const T* answer = std::any_cast<T>(&*known);
            return answer ? *answer : T{};
        }
        T answer{};
        try {
            answer = std::forward<Look>(look)();
        } catch (const std::exception&) {
            answer = T{};
        }
        end(id, answer);
        return answer;
    }

    // Calls `report` for the result numbered `index` (counted from 0 in the order the runs
    // find them) once over all runs, and only from the current run: a run after a look given
    // up finds again what the runs before it found.
    void reportOnce(std::size_t index, const std::function<void()>& report);

private:
    std::optional<std::any> begin(const std::string& id, std::string_view shown);
    void end(const std::string& id, std::any answer);

    std::shared_ptr<LookWatch> watch_;
    unsigned run_;
};

// Runs `search` on a thread, and again after each look given up, until one run ends; returns
// what that run returned. Without a thread to be had, it runs here, without a deadline.
std::any runUntilOneEnds(std::function<std::any(LookRun&)> search,
                         const DeadlineOptions& options);

template <class R>
R runWithDeadline(std::function<R(LookRun&)> search, const DeadlineOptions& options) {
    std::any result = runUntilOneEnds(
        [search = std::move(search)](LookRun& run) { return std::any(search(run)); }, options);
    R* value = std::any_cast<R>(&result);
    return value ? std::move(*value) : R{};
}

}  // namespace kestro

#include "deadline_looks.h"

#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>

namespace kestro {

using Clock = std::chrono::steady_clock;

// What the runs of one search share with the caller. Runs given up keep it alive for as long
// as their threads wait.
class LookWatch {
public:
    explicit LookWatch(std::function<std::any(LookRun&)> search) : search(std::move(search)) {}

    const std::function<std::any(LookRun&)> search;

    std::mutex mutex;
    std::condition_variable ended;
    unsigned current = 0;  // the run whose answers are kept; earlier ones were given up
    // The current run's look in progress, if any: its place, its name, when it began.
    std::optional<Clock::time_point> lookingSince;
    std::string lookingId;
    std::string lookingShown;
    std::map<std::string, std::any> answered;
    std::set<std::string> givenUp;
    std::size_t reported = 0;  // results reported so far
    std::optional<std::any> result;
};

LookRun::LookRun(std::shared_ptr<LookWatch> watch, unsigned run)
    : watch_(std::move(watch)), run_(run) {}

void LookRun::reportOnce(std::size_t index, const std::function<void()>& report) {
    const std::lock_guard lock(watch_->mutex);
    if (run_ != watch_->current || index != watch_->reported) return;
    ++watch_->reported;
    report();
}

std::optional<std::any> LookRun::begin(const std::string& id, std::string_view shown) {
    const std::lock_guard lock(watch_->mutex);
    if (run_ != watch_->current || watch_->givenUp.contains(id)) return std::any{};
    if (const auto known = watch_->answered.find(id); known != watch_->answered.end())
        return known->second;
    watch_->lookingId = id;
    watch_->lookingShown = shown;
    watch_->lookingSince = Clock::now();
    return std::nullopt;
}

void LookRun::end(const std::string& id, std::any answer) {
    const std::lock_guard lock(watch_->mutex);
    if (run_ != watch_->current) return;
    watch_->answered.insert_or_assign(id, std::move(answer));
    watch_->lookingSince.reset();
}

namespace {

void runOnce(const std::shared_ptr<LookWatch>& watch, unsigned run) {
    LookRun looks(watch, run);
    std::any result;
    try {
        result = watch->search(looks);
    } catch (const std::exception&) {
        result.reset();  // a search that failed found nothing
    }
    const std::lock_guard lock(watch->mutex);
    if (run != watch->current) return;
    watch->result = std::move(result);
    watch->ended.notify_all();
}

// False when the system has no thread to give.
bool startRun(const std::shared_ptr<LookWatch>& watch, unsigned run) {
    try {
        std::thread([watch, run] { runOnce(watch, run); }).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

}  // namespace

std::any runUntilOneEnds(std::function<std::any(LookRun&)> search,
                         const DeadlineOptions& options) {
    const auto watch = std::make_shared<LookWatch>(std::move(search));
    std::unique_lock lock(watch->mutex);
    const auto startOrRunHere = [&watch, &lock](unsigned run) {
        lock.unlock();
        if (!startRun(watch, run)) {
            // Then the looks run in turn on this thread, and nothing is given up.
            runOnce(watch, run);
        }
        lock.lock();
    };
    startOrRunHere(0);
    while (!watch->result) {
        if (!watch->lookingSince) {
            // Between looks: wake up in time to see the next one out.
            watch->ended.wait_for(lock, options.deadline);
            continue;
        }
        const Clock::time_point due = *watch->lookingSince + options.deadline;
        if (Clock::now() < due) {
            watch->ended.wait_until(lock, due);
            continue;
        }
        const std::string shown = std::move(watch->lookingShown);
        watch->givenUp.insert(std::move(watch->lookingId));
        watch->lookingSince.reset();
        const unsigned next = ++watch->current;
        if (options.passedOver) {
            lock.unlock();
            options.passedOver(shown);
            lock.lock();
        }
        startOrRunHere(next);
    }
    return std::move(*watch->result);
}

}  // namespace kestro

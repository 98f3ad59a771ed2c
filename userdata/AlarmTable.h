#pragma once
// Armed reminders and the one thread that finds them due. The alarm table is the only
// state shared between the user-interface thread and the scheduler thread; one lock
// covers every scan, addition and removal.

#include "userdata/LocalSeconds.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace vessant {

struct CAlarm {
    std::uint8_t oneShot = 1;       // every alarm is removed when it is handed over
    std::uint8_t post = 1;
    LocalSeconds due = 0;           // local wall-clock seconds
    std::int64_t repeatSeconds = 0; // always 0: the owner re-arms
};

class CAlarmTable {
public:
    // Receives the id of each due alarm, on the thread that scanned: the scheduler thread,
    // or the caller of Scan. It must not block for long; the window posts the id on to
    // its own thread.
    using DueCallback = std::function<void(int id)>;

    CAlarmTable() = default;
    ~CAlarmTable();
    CAlarmTable(const CAlarmTable&) = delete;
    CAlarmTable& operator=(const CAlarmTable&) = delete;

    // Enters an alarm unless one with that id is still waiting (then false: an armed
    // reminder is never moved).
    bool Add(int id, LocalSeconds due);
    // Cancels a waiting alarm; false when none was waiting.
    bool Remove(int id);
    std::optional<LocalSeconds> DueTime(int id) const;
    std::optional<LocalSeconds> EarliestDue() const;
    int Count() const;
    void Clear();

    // One scan at a given time: every alarm whose due second has been reached leaves the
    // table; their ids, in id order, go to the callback after the lock is released (so a
    // callback may re-arm). Returns the ids handed over.
    std::vector<int> Scan(LocalSeconds now);
    // One scan at the platform clock's time.
    std::vector<int> Tick();

    // Starts the scheduler thread: it scans every interval (one second in the program)
    // until Stop. A running thread is stopped first.
    void Start(DueCallback onDue,
               std::chrono::milliseconds interval = std::chrono::milliseconds(1000));
    // Signals the thread and waits for it to end; a scan in progress finishes first,
    // callbacks included. Stopping a stopped scheduler does nothing. Start and Stop
    // belong to the owner's thread, never to the callback.
    void Stop();
    bool Running() const;
    // Completed scans of the scheduler thread since the start of the program (tests wait
    // on it to know a scan saw a new clock time).
    std::uint64_t ThreadScans() const;
    // Waits until the thread has completed more than `scans` scans, or the timeout.
    bool WaitForScansAfter(std::uint64_t scans, std::chrono::milliseconds timeout) const;

private:
    void Run(std::chrono::milliseconds interval);

    mutable std::mutex lock_;                 // the alarm table
    std::map<int, CAlarm> alarms_;
    DueCallback onDue_;                       // written only while no thread runs

    mutable std::mutex threadLock_;           // stop flag and scan count
    mutable std::condition_variable wake_;
    bool stopRequested_ = false;
    std::uint64_t scans_ = 0;
    std::thread thread_;
};

// The program-wide alarm table.
CAlarmTable& Alarms();

} // namespace vessant

#include "userdata/AlarmTable.h"

namespace vessant {

CAlarmTable::~CAlarmTable() { Stop(); }

bool CAlarmTable::Add(int id, LocalSeconds due) {
    std::lock_guard guard(lock_);
    CAlarm alarm;
    alarm.due = due;
    return alarms_.emplace(id, alarm).second;
}

bool CAlarmTable::Remove(int id) {
    std::lock_guard guard(lock_);
    return alarms_.erase(id) > 0;
}

std::optional<LocalSeconds> CAlarmTable::DueTime(int id) const {
    std::lock_guard guard(lock_);
    const auto it = alarms_.find(id);
    if (it == alarms_.end())
        return std::nullopt;
    return it->second.due;
}

std::optional<LocalSeconds> CAlarmTable::EarliestDue() const {
    std::lock_guard guard(lock_);
    std::optional<LocalSeconds> earliest;
    for (const auto& [id, alarm] : alarms_) {
        if (!earliest || alarm.due < *earliest)
            earliest = alarm.due;
    }
    return earliest;
}

int CAlarmTable::Count() const {
    std::lock_guard guard(lock_);
    return static_cast<int>(alarms_.size());
}

void CAlarmTable::Clear() {
    std::lock_guard guard(lock_);
    alarms_.clear();
}

std::vector<int> CAlarmTable::Scan(LocalSeconds now) {
    std::vector<int> due;
    {
        std::lock_guard guard(lock_);
        for (auto it = alarms_.begin(); it != alarms_.end();) {
            if (it->second.due <= now) {
                due.push_back(it->first);
                it = alarms_.erase(it);
            } else {
                ++it;
            }
        }
    }
    if (onDue_) {
        for (int id : due)
            onDue_(id);
    }
    return due;
}

std::vector<int> CAlarmTable::Tick() { return Scan(LocalSecondsOf(platform::Now())); }

void CAlarmTable::Start(DueCallback onDue, std::chrono::milliseconds interval) {
    Stop();
    onDue_ = std::move(onDue);
    {
        std::lock_guard guard(threadLock_);
        stopRequested_ = false;
    }
    thread_ = std::thread([this, interval] { Run(interval); });
}

void CAlarmTable::Stop() {
    if (!thread_.joinable())
        return;
    {
        std::lock_guard guard(threadLock_);
        stopRequested_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

bool CAlarmTable::Running() const { return thread_.joinable(); }

std::uint64_t CAlarmTable::ThreadScans() const {
    std::lock_guard guard(threadLock_);
    return scans_;
}

bool CAlarmTable::WaitForScansAfter(std::uint64_t scans, std::chrono::milliseconds timeout) const {
    std::unique_lock guard(threadLock_);
    return wake_.wait_for(guard, timeout, [&] { return scans_ > scans; });
}

void CAlarmTable::Run(std::chrono::milliseconds interval) {
    auto next = std::chrono::steady_clock::now() + interval;
    for (;;) {
        {
            std::unique_lock guard(threadLock_);
            // Waking on a fixed schedule rather than "interval after the last scan" keeps
            // the scans from drifting past a second boundary.
            if (wake_.wait_until(guard, next, [this] { return stopRequested_; }))
                return;
        }
        Tick();
        {
            std::lock_guard guard(threadLock_);
            ++scans_;
        }
        wake_.notify_all();
        next += interval;
        const auto now = std::chrono::steady_clock::now();
        if (next < now)
            next = now;   // after a stall, scan once and carry on rather than race to catch up
    }
}

CAlarmTable& Alarms() {
    static CAlarmTable table;
    return table;
}

} // namespace vessant

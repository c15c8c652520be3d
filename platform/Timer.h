#pragma once
// Timers tick on a clock: real time in the program, a manual clock in the tests. Ticks run one at
// a time between other events. An interval shorter than the clock's period ticks once a period,
// the pace the animations were designed for; an interval of 0 never ticks.

#include "platform/Component.h"

#include <functional>

class TTimer : public TComponent {
public:
    explicit TTimer(TForm* owner, int interval = 1000, bool enabled = true);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    // Enabling a running timer changes nothing; it does not restart its period.
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    // A new interval starts a new period.
    void SetInterval(int interval);
    std::function<void()> OnTimer;

    // The interval the clock really uses.
    int EffectiveInterval() const;
    // One period elapsed: runs the handler if the timer is enabled. The clock calls it.
    void Tick();

private:
    void Schedule();
    bool enabled_;
    int interval_;
    void* handle_ = nullptr;
    long long due_ = 0;
    long long order_ = 0;
    friend struct ClockAccess;
};

namespace Clock {
// The shortest period a timer ticks at, in milliseconds.
inline constexpr int MinimumPeriod = 16;
// Switches every timer to a clock that moves only when told to (tests and benchmarks).
void UseManualClock();
bool IsManual();
// Moves the manual clock forward; due ticks run in time order, ties in the order the timers
// were scheduled.
void Advance(int milliseconds);
long long Now();
} // namespace Clock

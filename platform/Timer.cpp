#include "platform/Timer.h"

#include "platform/Application.h"

#include <QTimer>

#include <algorithm>
#include <vector>

namespace {
bool manual = false;
long long manualNow = 0;
long long sequence = 0;
std::vector<TTimer*>& AllTimers() {
    // Never destroyed: forms and timers may outlive it when the program ends.
    static auto* timers = new std::vector<TTimer*>();
    return *timers;
}
} // namespace

struct ClockAccess {
    static long long Due(const TTimer& t) { return t.due_; }
    static long long Order(const TTimer& t) { return t.order_; }
    static void NextPeriod(TTimer& t) {
        t.due_ += t.EffectiveInterval();
        t.order_ = ++sequence;
    }
};

TTimer::TTimer(TForm* owner, int interval, bool enabled)
    : TComponent(owner), enabled_(enabled), interval_(interval) {
    AllTimers().push_back(this);
    Schedule();
}

TTimer::~TTimer() {
    auto& timers = AllTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    delete static_cast<QTimer*>(handle_);
}

int TTimer::EffectiveInterval() const {
    return std::max(interval_, Clock::MinimumPeriod);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Schedule();
}

void TTimer::SetInterval(int interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    Schedule();
}

void TTimer::Schedule() {
    bool running = enabled_ && interval_ > 0;
    if (manual) {
        due_ = manualNow + EffectiveInterval();
        order_ = ++sequence;
        return;
    }
    auto* timer = static_cast<QTimer*>(handle_);
    if (!running) {
        if (timer)
            timer->stop();
        return;
    }
    if (!timer) {
        timer = new QTimer();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, [this] { Tick(); });
        handle_ = timer;
    }
    timer->start(EffectiveInterval());
}

void TTimer::Tick() {
    if (enabled_ && interval_ > 0 && OnTimer)
        TApplication::Guard(OnTimer);
}

namespace Clock {

void UseManualClock() {
    manual = true;
    for (TTimer* t : AllTimers())
        ClockAccess::NextPeriod(*t);
}

bool IsManual() {
    return manual;
}

long long Now() {
    return manual ? manualNow : 0;
}

void Advance(int milliseconds) {
    const long long target = manualNow + milliseconds;
    for (;;) {
        TTimer* next = nullptr;
        for (TTimer* t : AllTimers()) {
            if (!t->Enabled() || t->Interval() <= 0 || ClockAccess::Due(*t) > target)
                continue;
            if (!next || ClockAccess::Due(*t) < ClockAccess::Due(*next) ||
                (ClockAccess::Due(*t) == ClockAccess::Due(*next) &&
                 ClockAccess::Order(*t) < ClockAccess::Order(*next)))
                next = t;
        }
        if (!next)
            break;
        manualNow = ClockAccess::Due(*next);
        ClockAccess::NextPeriod(*next);
        next->Tick();
    }
    manualNow = target;
}

} // namespace Clock

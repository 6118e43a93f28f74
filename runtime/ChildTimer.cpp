#include "runtime/ChildTimer.h"

#include <map>

#include "runtime/EventBoundary.h"

namespace rt {
namespace {

// Thread timers carry no pointer of their own: find the object by its id.
std::map<UINT_PTR, ChildTimer*>& running() {
    static std::map<UINT_PTR, ChildTimer*> timers;
    return timers;
}

}  // namespace

ChildTimer::ChildTimer(std::function<void()> onTick, UINT interval) : onTick_(std::move(onTick)), interval_(interval) {}

ChildTimer::~ChildTimer() { stop(); }

void ChildTimer::Interval(UINT milliseconds) {
    interval_ = milliseconds;
    if (Enabled()) start();
}

void ChildTimer::Enabled(bool on) {
    if (on && !Enabled())
        start();
    else if (!on)
        stop();
}

void ChildTimer::start() {
    stop();
    id_ = SetTimer(nullptr, 0, interval_, &ChildTimer::tick);
    if (id_) running()[id_] = this;
}

void ChildTimer::stop() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    running().erase(id_);
    id_ = 0;
}

void CALLBACK ChildTimer::tick(HWND, UINT, UINT_PTR id, DWORD) {
    atEventBoundary([id] {
        auto it = running().find(id);
        if (it != running().end() && it->second->onTick_) it->second->onTick_();
    });
}

}  // namespace rt

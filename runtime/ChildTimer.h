#pragma once
// A timer that belongs to a control: it calls its tick handler through the
// message loop every Interval milliseconds while it is enabled.
#include <windows.h>

#include <functional>

namespace rt {

class ChildTimer {
public:
    explicit ChildTimer(std::function<void()> onTick, UINT interval = 0);
    ChildTimer(const ChildTimer&) = delete;
    ChildTimer& operator=(const ChildTimer&) = delete;
    ~ChildTimer();

    UINT Interval() const { return interval_; }
    void Interval(UINT milliseconds);
    bool Enabled() const { return id_ != 0; }
    void Enabled(bool on);

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR id, DWORD);
    void start();
    void stop();

    std::function<void()> onTick_;
    UINT interval_;
    UINT_PTR id_ = 0;
};

}  // namespace rt

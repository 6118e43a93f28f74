#pragma once
// Small owners for Win32 handles: each closes what it holds exactly once.
// A handle given away to the system is taken out with release().
#include <windows.h>

#include <atomic>
#include <utility>

namespace rt {

// Live GDI objects created through these owners (GetGuiResources is a stub
// under Wine, so leaks are counted here). An object still selected into a
// DC is not deleted (Wine only marks it), so it stays counted.
std::atomic<long>& gdiOwnedCount();
// Deletes a GDI object or a DC; true when the handle is really gone.
bool deleteGdiObject(HGDIOBJ h);
bool deleteDC(HDC h);

template <typename H, typename Close, bool CountsGdi = false>
class unique_handle {
public:
    unique_handle() = default;
    explicit unique_handle(H h) : h_(h) {
        if constexpr (CountsGdi) if (h_) ++gdiOwnedCount();
    }
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    unique_handle(unique_handle&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
    unique_handle& operator=(unique_handle&& o) noexcept {
        if (this != &o) reset(o.release());
        return *this;
    }
    ~unique_handle() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }

    // Gives up ownership (the handle now belongs to whoever takes it).
    H release() {
        if constexpr (CountsGdi) if (h_) --gdiOwnedCount();
        return std::exchange(h_, H{});
    }
    void reset(H h = H{}) {
        if (h_) close();
        h_ = h;
        if constexpr (CountsGdi) if (h_) ++gdiOwnedCount();
    }

private:
    void close() {
        if constexpr (CountsGdi) {
            if (Close{}(h_)) --gdiOwnedCount();
        } else {
            Close{}(h_);
        }
    }

    H h_{};
};

struct CloseHKey { void operator()(HKEY h) const { RegCloseKey(h); } };
struct CloseFile { void operator()(HANDLE h) const { if (h != INVALID_HANDLE_VALUE) CloseHandle(h); } };
struct CloseGdi { bool operator()(HGDIOBJ h) const { return deleteGdiObject(h); } };
struct CloseDC { bool operator()(HDC h) const { return deleteDC(h); } };
struct CloseIcon { void operator()(HICON h) const { DestroyIcon(h); } };
struct CloseFind { void operator()(HANDLE h) const { if (h != INVALID_HANDLE_VALUE) FindClose(h); } };
struct CloseMenu { void operator()(HMENU h) const { DestroyMenu(h); } };

using unique_hkey = unique_handle<HKEY, CloseHKey>;
using unique_hfile = unique_handle<HANDLE, CloseFile>;
using unique_hbrush = unique_handle<HBRUSH, CloseGdi, true>;
using unique_hpen = unique_handle<HPEN, CloseGdi, true>;
using unique_hrgn = unique_handle<HRGN, CloseGdi, true>;
using unique_hbitmap = unique_handle<HBITMAP, CloseGdi, true>;
using unique_hfont = unique_handle<HFONT, CloseGdi, true>;
using unique_hdc = unique_handle<HDC, CloseDC, true>;
using unique_hicon = unique_handle<HICON, CloseIcon>;
using unique_hmenu = unique_handle<HMENU, CloseMenu>;
// A FindFirstFile search; hold it with findHandle() so a failed search is empty.
using unique_hfind = unique_handle<HANDLE, CloseFind>;
inline unique_hfind findHandle(HANDLE h) { return unique_hfind(h == INVALID_HANDLE_VALUE ? nullptr : h); }

// GetDC/ReleaseDC as one owner.
class unique_hdc_window {
public:
    explicit unique_hdc_window(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    unique_hdc_window(const unique_hdc_window&) = delete;
    unique_hdc_window& operator=(const unique_hdc_window&) = delete;
    ~unique_hdc_window() { if (dc_) ReleaseDC(hwnd_, dc_); }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back on scope exit.
class select_object {
public:
    select_object(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    select_object(const select_object&) = delete;
    select_object& operator=(const select_object&) = delete;
    ~select_object() { if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace rt

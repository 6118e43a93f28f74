#pragma once
// A form with one control of each kind (pixels in brackets):
//   txt  text box  [10,10 100x20]  Tab 0, at most 5 characters
//   chk  check box [10,40 13x13]   Tab 1
//   lst  list box  [10,60 100x60]  Tab 2
//   cmd  skinned button "&Go" [120,10 100x25] Tab 3
//   lbl  label "Label" [120,60 100x17]; img 32x32 red picture [120,100], hand pointer
//   lin  red line [10,140]-[110,140]; background: blue 320x240; menu mnuTop with
//   mnuItem(0) "Zero" (invisible), (1) "One", (2) "Two" (disabled), (3) "Three".
// Every event it sees is recorded as "name.Event".
#include <functional>
#include <string>
#include <vector>

#include "common/ControlHost.h"
#include "runtime/ChildTimer.h"
#include "runtime/Form.h"

namespace testenv {

inline constexpr COLORREF kBackground = RGB(0, 64, 255), kRed = RGB(255, 0, 0);

class TestForm : public rt::Form {
public:
    TestForm();
    std::vector<std::wstring> events;
    // Run after the standard bindings, for a test's own; and in Form_Unload.
    std::function<void(TestForm&)> bind;
    std::function<void(int& cancel)> unloading;

protected:
    void bindEvents() override;
    void Form_Load() override { events.push_back(L"Form_Load"); }
    void Form_Unload(int& cancel) override {
        events.push_back(L"Form_Unload");
        if (unloading) unloading(cancel);
    }
};

rt::PictureRef solidBitmap(int width, int height, COLORREF colour);

// Steps run one per timer tick, each again until it returns true: they
// drive what happens while a modal loop of the platform (a popup menu, a
// message box) or of a modal form is running.
class Script {
public:
    explicit Script(std::vector<std::function<bool()>> steps, UINT interval = 100);
    bool finished() const { return next_ == steps_.size(); }

private:
    std::vector<std::function<bool()>> steps_;
    size_t next_ = 0;
    rt::ChildTimer timer_;
};

// Windows of this thread, child windows included.
int threadWindowCount();

}  // namespace testenv

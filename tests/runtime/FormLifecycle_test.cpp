// Forms and controls coming and going: an unload from inside a Click, a
// window destroyed under its control, unhandled errors, the program's run.
// ctest-serial
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "button/skinButton.h"
#include "common/Apartment.h"
#include "common/ControlHost.h"
#include "common/TestEnv.h"
#include "common/TestForm.h"
#include "runtime/Program.h"
#include "runtime/ShellApartment.h"

using namespace testenv;

// Unloaded from its button's Click, the form keeps the controls (with their
// fonts) until the Click has returned; shown again, it has fresh ones.
TEST(FormLifecycle, UnloadFromInsideAButtonsClickThenShowAgainWithFreshControls) {
    TestForm f;
    long gdiInEvent = 0;
    f.bind = [&](TestForm& f) {
        f.userControl<button::skinButton>(L"cmd").events.Click = [&] { f.Unload(), gdiInEvent = rt::gdiOwnedCount(); };
    };
    f.Show();
    settle();
    f.textBox(L"txt").Text(L"typed");
    click(f.userControl<rt::UserControl>(L"cmd").hwnd(), 20, 10);
    EXPECT_EQ(std::make_pair(f.isLoaded(), gdiInEvent > rt::gdiOwnedCount()), std::make_pair(false, true));
    f.Show();
    EXPECT_EQ(f.textBox(L"txt").Text(), L"");
    EXPECT_EQ(f.events, std::vector<std::wstring>({L"Form_Load", L"txt.Change", L"Form_Unload", L"Form_Load"}));
}

// A close from outside while one of the form's events waits in a dialog
// waits for that event to return; the dialog's own close goes at once.
TEST(FormLifecycle, ACloseFromOutsideWaitsForTheEventThatWaitsInADialog) {
    TestForm owner, dialog;
    dialog.Load();
    owner.bind = [&](TestForm& f) {
        f.checkBox(L"chk").Click = [&] {
            PostMessageW(f.hwnd(), WM_CLOSE, 0, 0);
            PostMessageW(dialog.hwnd(), WM_CLOSE, 0, 0);
            dialog.showModal(&f);
            f.events.push_back(L"answered");
        };
    };
    owner.Show();
    SendMessageW(owner.hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), (LPARAM)owner.checkBox(L"chk").hWnd());
    EXPECT_EQ(owner.events, std::vector<std::wstring>({L"Form_Load", L"answered", L"Form_Unload"}));
    EXPECT_EQ(std::make_pair(owner.isLoaded(), dialog.isLoaded()), std::make_pair(false, false));
}

namespace {

// What the recorded buttons went through, in order.
std::vector<std::wstring> gLife;

// A button that notes each Show, and whether it was freed in the middle of a capture.
struct Recorded : button::skinButton {
    ~Recorded() override { gLife.push_back(state().capturing ? L"freed while capturing" : L"freed"); }
    void UserControl_Show() override {
        gLife.push_back(L"Show " + AmbientDisplayName());
        skinButton::UserControl_Show();
    }
};

// The test form's button transparent and recorded, and a second one like it after the others.
void twoTransparentButtons(rt::FormLayout& l) {
    l.controls[2].properties.WriteProperty(L"BTYPE", rt::Variant(int32_t{11}));
    l.controls[2].create = rt::newUserControl<Recorded>;
    rt::ControlLayout second = l.controls[2];
    second.name = L"cmd2", second.at.top = 2500, second.tabIndex = 4;
    l.controls.push_back(std::move(second));
}

}  // namespace

// The capture of a transparent button lets the events waiting run; one of
// them unloads the form. Called outside any event, the button (and the
// form's other controls) outlives the call: it is freed as the call ends,
// not during the capture, and nothing of the form is left.
TEST(FormLifecycle, ATransparentButtonOutlivesACallDuringWhichItsFormUnloads) {
    using Step = std::function<void(TestForm&)>;
    auto cmd = [](TestForm& f) -> button::skinButton& { return f.userControl<button::skinButton>(L"cmd"); };
    const Step shown = [](TestForm& f) { f.Show(); };
    const std::tuple<Step, Step, std::vector<std::wstring>> rows[] = {
        {shown, [&](TestForm& f) { cmd(f).ButtonType(11); }, {L"freed", L"freed"}},
        {shown, [&](TestForm& f) { cmd(f).Refresh(); }, {L"freed", L"freed"}},
        {[](TestForm& f) { f.Load(); }, shown, {L"Show cmd", L"freed", L"freed"}},  // the second goes unshown
        {[](TestForm& f) { f.Show(), f.control(L"cmd").Visible(false); },
         [](TestForm& f) { f.control(L"cmd").Visible(true); }, {L"Show cmd", L"freed", L"freed"}},
    };
    for (const auto& row : rows) {
        const auto& [before, call, life] = row;
        TestForm f(twoTransparentButtons);
        long gdi = rt::gdiOwnedCount();
        before(f);
        gLife.clear();
        PostMessageW(f.hwnd(), WM_CLOSE, 0, 0);
        call(f);
        EXPECT_EQ(gLife, life) << &row - rows;
        EXPECT_EQ(std::make_pair(f.isLoaded(), rt::gdiOwnedCount().load()), std::make_pair(false, gdi)) << &row - rows;
    }
}

// Its parent closing under a hovered button must not leave the hover timer
// running against a window that is gone.
TEST(FormLifecycle, AButtonWhoseWindowIsDestroyedStopsItsHoverTimer) {
    ControlHost host;
    button::skinButton b;
    b.place(host.container(), L"b", {10, 10, 110, 35});
    b.show();
    int overs = 0, outs = 0;
    b.events.MouseOver = [&] { ++overs; };
    b.events.MouseOut = [&] { ++outs; };
    pointerTo(b.hwnd(), 20, 10);
    DestroyWindow(host.hwnd());
    pointerTo(GetDesktopWindow(), 2, 2);
    settle(100);
    EXPECT_EQ(overs * 10 + outs, 10);
}

// The error reaches no system frame: it is reported, and the program ends in
// order, every form unloading (an error while ending is only traced). An
// exception of another kind is reported as well.
TEST(EventBoundary, AnErrorNoHandlerTookIsReportedThenEveryFormUnloads) {
    std::vector<std::wstring> reports, traces;
    auto reporter = rt::setErrorReporter([&](const std::wstring& text) { reports.push_back(text); });
    auto tracer = rt::setTraceWriter([&](const std::wstring& line) { traces.push_back(line); });
    auto clickRaises = [](auto error) {
        return [error](TestForm& f) {
            f.checkBox(L"chk").Click = [error] { throw error; };
            SendMessageW(f.hwnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), (LPARAM)f.checkBox(L"chk").hWnd());
        };
    };
    const std::tuple<std::function<void(TestForm&)>, std::wstring, int> cases[] = {
        {clickRaises(rt::RuntimeError::standard(5)),
         L"Run-time error '5':\r\n\r\nInvalid procedure call or argument", 5},
        {clickRaises(std::bad_alloc()), L"Run-time error '7':\r\n\r\nOut of memory", 7},
        {[&](TestForm&) {
             rt::ChildTimer tick([] { throw std::runtime_error("tick"); }, 1);
             tick.Enabled(true);
             pumpUntil([&] { return !reports.empty(); }, 2000);
         },
         L"Run-time error '51':\r\n\r\nInternal error", 51},
    };
    for (const auto& [raiseInAnEvent, report, exitCode] : cases) {
        reports.clear(), traces.clear();
        TestForm a, b;
        a.Show(), b.Show();
        b.unloading = [](int&) { throw rt::RuntimeError::standard(13); };
        raiseInAnEvent(a);
        a.Load();  // nothing loads any more
        EXPECT_EQ(reports, std::vector<std::wstring>({report}));
        EXPECT_EQ(traces.at(0), L"Error (13):Type mismatch while ending");
        EXPECT_EQ(a.events.back() + b.events.back(), L"Form_UnloadForm_Unload");
        EXPECT_EQ(std::make_tuple(a.isLoaded(), b.isLoaded(), rt::exitCode()), std::make_tuple(false, false, exitCode));
        rt::resetEndForTesting();
    }
    rt::setErrorReporter(reporter);
    rt::setTraceWriter(tracer);
}

namespace {

// The thread's apartment at the start of Main and after the shell's was entered.
Apartment gAtStart = Apartment::MultiThreaded, gForTheShell = Apartment::None;
TestForm* gForm = nullptr;

struct WithoutWindow : rt::Form {
    WithoutWindow() : rt::Form({}) {}
    LRESULT onMessage(UINT msg, WPARAM w, LPARAM l) override {
        return msg == WM_NCCREATE ? FALSE : Form::onMessage(msg, w, l);
    }
};

void showAndClose() {
    gAtStart = apartmentOfThisThread();
    rt::enterShellApartment();
    gForTheShell = apartmentOfThisThread();
    gForm->Show();
    PostMessageW(gForm->hwnd(), WM_CLOSE, 0, 0);
}

}  // namespace

// COM is not started with the program; the apartment the shell's calls
// enter is left when the run ends.
TEST(Program, RunsUntilTheLastFormGoesLeavesTheShellsApartmentAndFailsWithoutAWindow) {
    TestForm f;
    gForm = &f;
    EXPECT_EQ(rt::runProgram(showAndClose), 0);
    EXPECT_EQ(std::make_pair(gAtStart, gForTheShell), std::make_pair(Apartment::None, Apartment::SingleThreaded));
    EXPECT_EQ(apartmentOfThisThread(), Apartment::None);
    EXPECT_EQ(rt::runProgram([] { WithoutWindow().Show(); }), 1);
}

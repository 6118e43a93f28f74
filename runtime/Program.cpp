#include "runtime/Program.h"

#include <objbase.h>
#include <windows.h>

#include "runtime/EventBoundary.h"
#include "runtime/Form.h"
#include "runtime/MessagePump.h"

namespace rt {
namespace {

class ComApartment {
public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace

int runProgram(void (*Main)()) {
    ComApartment com;
    atEventBoundary(Main);
    if (Form::loadedForms() == 0) return exitCode() != 0 ? exitCode() : 1;
    runMessageLoopWhile([] { return Form::loadedForms() > 0; });
    return exitCode();
}

}  // namespace rt

#include "runtime/RuntimeError.h"

#include <map>

#include "runtime/Ansi.h"
#include "runtime/App.h"

namespace rt {

RuntimeError::RuntimeError(int32_t number, std::wstring source, std::wstring description)
    : number_(number), source_(std::move(source)), description_(std::move(description)) {
    what_ = "error " + std::to_string(number_) + ": " + toAnsi(description_);
}

RuntimeError RuntimeError::standard(int32_t number) {
    return RuntimeError(number, App::exeName(), standardDescription(number));
}

std::wstring standardDescription(int32_t number) {
    static const std::map<int32_t, const wchar_t*> texts = {
        {3, L"Return without GoSub"},
        {5, L"Invalid procedure call or argument"},
        {6, L"Overflow"},
        {7, L"Out of memory"},
        {9, L"Subscript out of range"},
        {11, L"Division by zero"},
        {13, L"Type mismatch"},
        {51, L"Internal error"},
        {52, L"Bad file name or number"},
        {53, L"File not found"},
        {54, L"Bad file mode"},
        {55, L"File already open"},
        {57, L"Device I/O error"},
        {58, L"File already exists"},
        {61, L"Disk full"},
        {62, L"Input past end of file"},
        {67, L"Too many files"},
        {68, L"Device unavailable"},
        {70, L"Permission denied"},
        {71, L"Disk not ready"},
        {75, L"Path/File access error"},
        {76, L"Path not found"},
        {91, L"Object variable or With block variable not set"},
        {94, L"Invalid use of Null"},
        {380, L"Invalid property value"},
        {381, L"Invalid property array index"},
        {438, L"Object doesn't support this property or method"},
        {481, L"Invalid picture"},
    };
    auto it = texts.find(number);
    return it != texts.end() ? it->second : L"Application-defined or object-defined error";
}

void raiseStandard(int32_t number) { throw RuntimeError::standard(number); }

}  // namespace rt

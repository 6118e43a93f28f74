#include "runtime/CharCase.h"

#include <windows.h>

namespace rt {

wchar_t lowerCaseChar(wchar_t ch) {
    CharLowerBuffW(&ch, 1);
    return ch;
}

}  // namespace rt

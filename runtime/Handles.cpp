#include "runtime/Handles.h"

namespace rt {

std::atomic<long>& gdiOwnedCount() {
    static std::atomic<long> count{0};
    return count;
}

// A deleted handle names no object any more.
bool deleteGdiObject(HGDIOBJ h) { return DeleteObject(h) && GetObjectType(h) == 0; }

bool deleteDC(HDC h) { return DeleteDC(h) && GetObjectType(h) == 0; }

}  // namespace rt

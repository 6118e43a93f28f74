#include "runtime/Handles.h"

namespace rt {

std::atomic<long>& gdiOwnedCount() {
    static std::atomic<long> count{0};
    return count;
}

}  // namespace rt

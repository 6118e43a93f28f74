#pragma once
// The run-time error number a call raises (0 when it raises none).
#include "runtime/RuntimeError.h"

namespace testenv {

template <typename Call>
int32_t raisedError(Call&& call) {
    try {
        call();
    } catch (const rt::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace testenv

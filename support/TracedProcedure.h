#pragma once
// The launcher's error convention: a procedure traces "module.procedure" on
// entry; an error in one of its steps is traced with the procedure's suffix
// and the next step runs.
//
//   TracedProcedure p(L"modMain", L"Main", ProcKind::Module);
//   p.step([&] { ... });
#include <string>
#include <utility>

#include "runtime/RuntimeError.h"

enum class ProcKind { Module, Form };

class TracedProcedure {
public:
    TracedProcedure(std::wstring module, std::wstring procedure, ProcKind kind);

    template <typename Step>
    void step(Step&& body) {
        try {
            std::forward<Step>(body)();
        } catch (const rt::RuntimeError& e) {
            traceError(e.number(), e.description());
        } catch (const std::bad_alloc&) {
            traceError(rt::errOutOfMemory, rt::standardDescription(rt::errOutOfMemory));
        } catch (const std::exception&) {
            traceError(rt::errInternal, rt::standardDescription(rt::errInternal));
        }
    }

    // " Modul modMain; procedure: Main" or " Formular frmMain; procedure: Form_Load".
    std::wstring suffix() const;

    void traceError(int32_t number, const std::wstring& description) const;

private:
    std::wstring module_;
    std::wstring procedure_;
    ProcKind kind_;
};

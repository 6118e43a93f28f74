#include "support/TracedProcedure.h"

#include "support/modTrace.h"

TracedProcedure::TracedProcedure(std::wstring module, std::wstring procedure, ProcKind kind)
    : module_(std::move(module)), procedure_(std::move(procedure)), kind_(kind) {
    modTrace::Trace(module_ + L"." + procedure_);
}

std::wstring TracedProcedure::suffix() const {
    return (kind_ == ProcKind::Module ? L" Modul " : L" Formular ") + module_ + L"; procedure: " + procedure_;
}

void TracedProcedure::traceError(int32_t number, const std::wstring& description) const {
    modTrace::Trace(L"Error (" + std::to_wstring(number) + L"):" + description + suffix());
}

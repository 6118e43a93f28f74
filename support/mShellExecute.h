#pragma once
// Opening a file, program or web address through the Windows shell.
#include <cstdint>
#include <string>

namespace mShellExecute {

// Asks the shell to carry out `sOperation` ("open") on `sFile`; True when the
// shell accepted the request. A program (".exe" anywhere in the name) gets
// show command 0 when parameters or a folder are given; without both,
// anything opens with show command 1. A refused request
// is traced with the shell's number and its error number and message.
bool shellExecute(const std::wstring& sFile, int32_t lShowCmd, const std::wstring& sParams, const std::wstring& sDir,
                  const std::wstring& sOperation, int32_t hWnd);

}  // namespace mShellExecute

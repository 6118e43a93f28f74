// What the program loads before its window shows: libraries it imports are
// loaded and initialised at start, those it loads on demand are not.
#include <windows.h>
#include <imagehlp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "common/TestEnv.h"
#include "runtime/Ansi.h"

namespace {

// The names of the libraries in the executable's import table, in lower case.
std::set<std::string> importedLibraries(const std::string& exe) {
    LOADED_IMAGE image{};
    if (!MapAndLoad(exe.c_str(), nullptr, &image, FALSE, TRUE)) return {};
    ULONG size = 0;
    auto* entry = static_cast<IMAGE_IMPORT_DESCRIPTOR*>(
        ImageDirectoryEntryToData(image.MappedAddress, FALSE, IMAGE_DIRECTORY_ENTRY_IMPORT, &size));
    std::set<std::string> names;
    for (; entry && entry->Name; ++entry) {
        std::string name =
            static_cast<const char*>(ImageRvaToVa(image.FileHeader, image.MappedAddress, entry->Name, nullptr));
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        names.insert(name);
    }
    UnMapAndLoad(&image);
    return names;
}

}  // namespace

// COM, the shell and the common controls come when first used (opening a
// game or page, the Hamachi address, once the window shows).
TEST(StartUp, ImportsNeitherComNorTheShellNorTheCommonControls) {
    const std::set<std::string> imported = importedLibraries(rt::toAnsi(testenv::buildDir() + L"\\tarnwicket.exe"));
    ASSERT_TRUE(imported.count("kernel32.dll") && imported.count("user32.dll"));
    for (const char* later : {"ole32.dll", "oleaut32.dll", "shell32.dll", "comctl32.dll"})
        EXPECT_EQ(imported.count(later), 0u) << later;
}

#include "support/TransferPlan.h"

#include <windows.h>

#include <algorithm>

#include "runtime/Handles.h"
#include "support/FileStatements.h"
#include "support/FolderEntries.h"

namespace TransferPlan {
namespace {

constexpr int kLastNumber = 9999;  // "b (2).txt" up to "b (9999).txt"

struct Entry {
    std::wstring path;
    bool folder = false;
};

bool hasWildcard(const std::wstring& name) { return FileStatements::hasWildcard(name); }
bool endsWithSeparator(const std::wstring& name) {
    return !name.empty() && (name.back() == L'\\' || name.back() == L'/');
}
DWORD attributesOf(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }
bool isFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool taken(const std::wstring& path) { return attributesOf(path) != INVALID_FILE_ATTRIBUTES; }

// The names of a list separated by NULs, up to the first empty one: there the shell stops reading.
std::vector<std::wstring> namesOf(const std::wstring& list) {
    std::vector<std::wstring> names;
    for (size_t at = 0; at < list.size();) {
        const size_t end = std::min(list.find(L'\0', at), list.size());
        if (end == at) break;
        names.push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

// The last name of a path, trailing separators left out.
std::wstring lastName(std::wstring path) {
    path.erase(path.find_last_not_of(L"\\/") + 1);
    return path.substr(path.find_last_of(L"\\/:") + 1);
}

std::wstring inside(const std::wstring& folder, const std::wstring& name) {
    return endsWithSeparator(folder) ? folder + name : folder + L"\\" + name;
}

// The entry a source names, or every entry its pattern matches (the system's
// own match, as the shell's); false when there is none, or when one of them
// is not reached by its own name: the shell would be given another.
bool addEntries(const std::wstring& source, std::vector<Entry>& entries) {
    if (!hasWildcard(source)) {
        const DWORD attributes = attributesOf(source);
        if (attributes != INVALID_FILE_ATTRIBUTES) entries.push_back({source, isFolder(attributes)});
        return attributes != INVALID_FILE_ATTRIBUTES;
    }
    const std::wstring folder = source.substr(0, source.find_last_of(L"\\/:") + 1);
    const size_t before = entries.size();
    for (const FolderEntries::Entry& found : FolderEntries::find(source).entries) {
        if (found.ownName == L"." || found.ownName == L"..") continue;
        if (found.name != found.ownName) return false;
        entries.push_back({folder + found.ownName, found.isFolder()});
    }
    return entries.size() > before;
}

using Identity = std::optional<BY_HANDLE_FILE_INFORMATION>;

Identity identityOf(const std::wstring& path) {
    constexpr DWORD anyShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const rt::unique_hfile file(CreateFileW(path.c_str(), 0, anyShare, nullptr, OPEN_EXISTING,
                                            FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (file.get() == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(file.get(), &information)) return {};
    return information;
}

bool same(const Identity& one, const Identity& other) {
    return one && other && one->dwVolumeSerialNumber == other->dwVolumeSerialNumber &&
           one->nFileIndexHigh == other->nFileIndexHigh && one->nFileIndexLow == other->nFileIndexLow;
}

// Two names of one file or folder: another spelling, an 8.3 name, a link.
bool sameItem(const std::wstring& a, const std::wstring& b) { return same(identityOf(a), identityOf(b)); }

std::wstring fullPath(const std::wstring& path) {
    std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    full.resize(GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    return full.empty() ? path : full;
}

// Whether one of the folders above `path` is `folder` (a drive's root never is).
bool liesInside(const std::wstring& path, const std::wstring& folder) {
    const std::wstring full = fullPath(path);
    const Identity target = identityOf(folder);
    for (size_t cut = full.find_last_of(L"\\/"); cut != std::wstring::npos && cut > 0;
         cut = full.find_last_of(L"\\/", cut - 1)) {
        const std::wstring above = full.substr(0, cut);
        if (above.back() != L':' && same(identityOf(above), target)) return true;
    }
    return false;
}

// "b.txt" as "b (n).txt"; a folder's name keeps its dots: "f.d (n)".
std::wstring numbered(const std::wstring& path, bool folder, int n) {
    const size_t nameStart = path.find_last_of(L"\\/:") + 1;
    size_t dot = folder ? std::wstring::npos : path.rfind(L'.');
    if (dot == std::wstring::npos || dot <= nameStart) dot = path.size();
    return path.substr(0, dot) + L" (" + std::to_wstring(n) + L")" + path.substr(dot);
}

bool givenBefore(const Items& items, const std::wstring& path) {
    return std::any_of(items.begin(), items.end(), [&](const Item& item) {
        return lstrcmpiW(item.dest.c_str(), path.c_str()) == 0;
    });
}

std::optional<std::wstring> firstFreeNumbered(const Items& items, const std::wstring& wanted, bool folder) {
    for (int n = 2; n <= kLastNumber; ++n) {
        const std::wstring name = numbered(wanted, folder, n);
        if (!taken(name) && !givenBefore(items, name)) return name;
    }
    return {};
}

// The name the entry gets: the one wanted or, where that is taken (on the
// disk or by an item before it), the first free numbered one.
std::optional<std::wstring> nameFor(const Items& items, Mode mode, const Entry& entry, const std::wstring& wanted) {
    const bool onDisk = taken(wanted);
    if (onDisk && mode != Mode::Copy && sameItem(wanted, entry.path)) return {};  // onto itself
    if (mode == Mode::Overwrite || (!onDisk && !givenBefore(items, wanted))) return wanted;
    return firstFreeNumbered(items, wanted, entry.folder);
}

bool addItem(Items& items, Mode mode, const Entry& entry, const std::wstring& wanted) {
    if (entry.folder && liesInside(wanted, entry.path)) return false;
    const std::optional<std::wstring> name = nameFor(items, mode, entry, wanted);
    if (name) items.push_back({entry.path, *name, entry.folder});
    return name.has_value();
}

// The entries of one source, each inside `dest` when that is a folder for
// them, else named `dest`.
bool addSource(Items& items, Mode mode, const std::wstring& source, const std::wstring& dest, bool several) {
    std::vector<Entry> entries;
    if (!addEntries(source, entries)) return false;
    const bool intoFolder = mode != Mode::Rename && (several || hasWildcard(source) || endsWithSeparator(dest) ||
                                                      isFolder(attributesOf(dest)));
    return std::all_of(entries.begin(), entries.end(), [&](const Entry& entry) {
        return addItem(items, mode, entry, intoFolder ? inside(dest, lastName(entry.path)) : dest);
    });
}

// One destination, or, for a copy whose sources hold two NULs in a row, one
// per source.
bool fits(Mode mode, const std::wstring& sources, const std::vector<std::wstring>& names,
          const std::vector<std::wstring>& dests) {
    const bool destList = (mode == Mode::Copy || mode == Mode::Overwrite) &&
                          sources.find(std::wstring(2, L'\0')) != std::wstring::npos;
    return !names.empty() && (dests.size() == 1 || (destList && dests.size() == names.size())) &&
           std::none_of(dests.begin(), dests.end(), hasWildcard);  // a pattern names no destination: the shell would ask
}

std::wstring joined(const Items& items, std::wstring Item::*name) {
    std::wstring list;
    for (const Item& item : items) list += item.*name + L'\0';
    return list;
}

}  // namespace

std::optional<Items> plan(Mode mode, const std::wstring& sources, const std::wstring& dest) {
    const std::vector<std::wstring> names = namesOf(sources), dests = namesOf(dest);
    if (!fits(mode, sources, names, dests)) return {};
    const bool pairs = dests.size() == names.size();
    Items items;
    for (size_t i = 0; i < names.size(); ++i)
        if (!addSource(items, mode, names[i], dests[pairs ? i : 0], !pairs)) return {};
    if (mode == Mode::Rename && items.size() != 1) return {};
    return items;
}

std::wstring sourcesOf(const Items& items) { return joined(items, &Item::source); }
std::wstring destsOf(const Items& items) { return joined(items, &Item::dest); }

bool done(const Items& items, bool moved) {
    return std::all_of(items.begin(), items.end(), [&](const Item& item) {
        const DWORD attributes = attributesOf(item.dest);
        return attributes != INVALID_FILE_ATTRIBUTES && isFolder(attributes) == item.folder &&
               !(moved && attributesOf(item.source) != INVALID_FILE_ATTRIBUTES);
    });
}

}  // namespace TransferPlan

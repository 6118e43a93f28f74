#pragma once
// What a copy, move or rename through the shell is to do, item by item, and
// whether it was done. The shell is handed only names that are free, so it
// never replaces anything and never asks, whether or not it honours its
// rename-on-collision flag (Wine does not); and its answer is believed only
// as far as the files show it.
#include <optional>
#include <string>
#include <vector>

namespace TransferPlan {

enum class Mode {
    Copy,       // a taken name gets a free numbered one ("b (2).txt")
    Overwrite,  // a copy that keeps taken names: the shell asks before it replaces
    Move,       // as Copy, and the source goes
    Rename,     // one item, given the destination as its own name (never put into a folder)
};

// One entry and the name it is to have.
struct Item {
    std::wstring source, dest;
    bool folder = false;
};
using Items = std::vector<Item>;

// The items that `sources` (names separated by NULs; a name with wildcards
// stands for the entries it matches) going to `dest` make, as the shell reads
// them: several sources, or a pattern, go into the folder `dest`, as does one
// source when `dest` is a folder or ends in "\"; else `dest` is the new name.
// A copy whose sources hold two NULs in a row takes a list of destinations,
// one per source. None when it cannot be done as asked: a source is missing,
// a pattern matches nothing, a folder would go into its own tree, a move
// would go onto itself, or a rename names more than one item.
std::optional<Items> plan(Mode mode, const std::wstring& sources, const std::wstring& dest);

// The items' sources, and their destinations, as lists separated by NULs.
std::wstring sourcesOf(const Items& items);
std::wstring destsOf(const Items& items);

// True when every destination holds its item (a folder as a folder) and,
// after a move, no source is left.
bool done(const Items& items, bool moved);

}  // namespace TransferPlan

#pragma once
// Folders with a reparse point. Junctions and symbolic links lead elsewhere
// (outside the tree they are in, or back into it): walks list them but do
// not go into them, and deletes remove the link, never what it leads to.
// Other reparse points (a cloud-synchronised folder's, say) mark real folders.
#include <cstdint>
#include <string>

namespace FolderLinks {

// The tag of the folder's own reparse point, asked without following it;
// 0 when the system cannot tell (Wine cannot).
uint32_t reparseTag(const std::wstring& folder);

// True for a folder with a reparse point that is a link, or whose kind the
// system cannot tell.
bool leadsElsewhere(const std::wstring& folder, uint32_t attributes);

}  // namespace FolderLinks

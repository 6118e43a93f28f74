#pragma once
// The attributes of a file written anew in place of another.
#include <windows.h>

#include <cstdint>

namespace RewrittenFile {

// The attributes a file's owner can set, read-only and archive aside: a
// read-only file is never replaced, and a staged file carrying it could not
// be removed.
constexpr uint32_t kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                     FILE_ATTRIBUTE_TEMPORARY;

// The original's kept attributes, and archive: the content has changed, so
// the file is due for a backup whether or not the original was.
constexpr uint32_t attributes(uint32_t original) { return (original & kKeptAttributes) | FILE_ATTRIBUTE_ARCHIVE; }

}  // namespace RewrittenFile

// SPDX-License-Identifier: MIT
// Pictures embedded in the program as their PNG bytes (RCDATA resources) and decoded when they are
// shown, with the Windows Imaging Component reached through COM: the compressed drawings keep the
// program small, and no library beyond the system's is needed.
#pragma once

#include <windows.h>

#include <cstddef>

namespace kalvora::win32 {

// A 24-bit bitmap of the encoded picture `bytes`, or null when they are not a picture the system
// can decode. Pixels less than half opaque become the classic button face grey (192, 192, 192).
// The caller deletes the bitmap.
HBITMAP DecodePicture(const void* bytes, std::size_t size);

// The picture of RCDATA resource `name` in `module`, or null when the module has none of that name
// or it cannot be decoded.
HBITMAP LoadEmbeddedPicture(HMODULE module, LPCWSTR name);

}  // namespace kalvora::win32

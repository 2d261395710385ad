// SPDX-License-Identifier: MIT
// Which toolbar strip the program takes: plain rules without any toolkit, so that every view
// shares them.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace kalvora {

// The size of a picture in pixels.
struct PictureSize {
    int width = 0;
    int height = 0;
};

inline constexpr int kToolbarImageCount = 11;
// Twice the delivered 32 pixels: a taller strip would push the panel and the form out of a
// window of 600 pixels.
inline constexpr int kMaxToolbarImageHeight = 64;

// Whether a picture of this size can serve as the strip. It is cut into eleven images side by
// side, each an eleventh of its width (truncated) and its full height, so it must be at least
// eleven pixels wide, and each image must be no taller than it is wide (the delivered images are
// square; a photograph or a single icon saved under the strip's name is not) and at most
// kMaxToolbarImageHeight high.
bool IsUsableToolbarStrip(PictureSize size);

// Picks the strip from the candidate files in search order: each is the size of the picture the
// file loaded as, or nothing when the file is missing or is no picture. The first usable one
// wins; a candidate that is there but unusable does not hide a good one further on. Nothing when
// no candidate is usable.
std::optional<std::size_t> ChooseToolbarStrip(std::span<const std::optional<PictureSize>> candidates);

}  // namespace kalvora

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

// Picks the strip drawn at twice the size, shown instead on screens with more than one pixel per
// point. `strips` are the candidates of ChooseToolbarStrip and `doubles` the twice-size files of
// the same places, in the same order. Only the file beside the chosen strip counts, and only when
// it is exactly twice its size each way: it then takes the room of the chosen strip on screen,
// which ChooseToolbarStrip found usable. A twice-size file in another place may belong to another
// strip, and one of another size would show other images or cut them elsewhere. Nothing when
// there is no chosen strip or it has no such twin.
std::optional<std::size_t> ChooseDoubleToolbarStrip(std::span<const std::optional<PictureSize>> strips,
                                                    std::span<const std::optional<PictureSize>> doubles);

}  // namespace kalvora

// SPDX-License-Identifier: MIT
#include "model/toolbar_strip.h"

namespace kalvora {

bool IsUsableToolbarStrip(PictureSize size) {
    const int imageWidth = size.width / kToolbarImageCount;
    return imageWidth >= 1 && size.height >= 1 && size.height <= imageWidth &&
           size.height <= kMaxToolbarImageHeight;
}

std::optional<std::size_t> ChooseToolbarStrip(std::span<const std::optional<PictureSize>> candidates) {
    for (std::size_t i = 0; i < candidates.size(); ++i)
        if (candidates[i] && IsUsableToolbarStrip(*candidates[i])) return i;
    return std::nullopt;
}

std::optional<std::size_t> ChooseDoubleToolbarStrip(std::span<const std::optional<PictureSize>> strips,
                                                    std::span<const std::optional<PictureSize>> doubles) {
    const std::optional<std::size_t> chosen = ChooseToolbarStrip(strips);
    if (!chosen || *chosen >= doubles.size() || !doubles[*chosen]) return std::nullopt;
    const PictureSize strip = *strips[*chosen];
    const PictureSize twin = *doubles[*chosen];
    if (twin.width != 2 * strip.width || twin.height != 2 * strip.height) return std::nullopt;
    return chosen;
}

}  // namespace kalvora

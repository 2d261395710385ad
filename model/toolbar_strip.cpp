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

}  // namespace kalvora

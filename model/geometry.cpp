// SPDX-License-Identifier: MIT
#include "model/geometry.h"

#include <algorithm>

namespace kalvora {
namespace {

constexpr int kOuterWidth = 580;
constexpr int kOuterHeight = 600;
constexpr int kWidenedWidth = 660;
constexpr int kPanelWidth = 170;
constexpr int kGaugeX = 171;
constexpr int kGaugeWidth = 18;
constexpr int kFormX = 190;

}  // namespace

Rect StartWindowRect(int screenLeft, int screenTop, int screenWidth) {
    return Rect::FromSize(screenLeft + screenWidth / 2 - 275, screenTop + 50, kOuterWidth, kOuterHeight);
}

Rect WidenedWindowRect(const Rect& before) {
    return Rect::FromSize(before.left, before.top, kWidenedWidth, before.bottom - 40);
}

ColumnLayout CreationLayout(int clientWidth, int clientHeight) {
    const int height = std::max(0, clientHeight - 60);
    return {Rect::FromSize(0, 43, kPanelWidth, height), Rect::FromSize(kGaugeX, 45, kGaugeWidth, height),
            Rect::FromSize(kFormX, 43, std::max(0, clientWidth - kFormX), height)};
}

ColumnLayout ResizeLayout(int clientWidth, int clientHeight, int toolbarHeight, int statusBarHeight) {
    const int height = std::max(0, clientHeight - toolbarHeight - statusBarHeight);
    return {Rect::FromSize(0, toolbarHeight, kPanelWidth, height),
            Rect::FromSize(kGaugeX, toolbarHeight, kGaugeWidth, height),
            Rect::FromSize(kFormX, toolbarHeight, std::max(0, clientWidth - kFormX), height)};
}

int CentredOffset(int frame, int picture) {
    return (frame - picture) / 2;
}

}  // namespace kalvora

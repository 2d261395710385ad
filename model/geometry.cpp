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

constexpr int kStatusFirstPart = 170;

}  // namespace

int MulDivRounded(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

int ValidDpi(int dpi) {
    return dpi > 0 ? std::clamp(dpi, kBaseDpi / 4, 10 * kBaseDpi) : kBaseDpi;
}

int Scaled(int pixels, int dpi) {
    return MulDivRounded(pixels, ValidDpi(dpi), kBaseDpi);
}

Rect Rescaled(const Rect& rect, int fromDpi, int toDpi, int cornerLeft, int cornerTop) {
    const int from = ValidDpi(fromDpi), to = ValidDpi(toDpi);
    return Rect::FromSize(cornerLeft, cornerTop, MulDivRounded(rect.width(), to, from),
                          MulDivRounded(rect.height(), to, from));
}

Rect StartWindowRect(int screenLeft, int screenTop, int screenWidth, int dpi) {
    return Rect::FromSize(screenLeft + screenWidth / 2 - Scaled(275, dpi), screenTop + Scaled(50, dpi),
                          Scaled(kOuterWidth, dpi), Scaled(kOuterHeight, dpi));
}

Rect WidenedWindowRect(const Rect& before, int dpi) {
    return Rect::FromSize(before.left, before.top, Scaled(kWidenedWidth, dpi), before.bottom - Scaled(40, dpi));
}

ColumnLayout CreationLayout(int clientWidth, int clientHeight, int dpi) {
    const int height = std::max(0, clientHeight - Scaled(60, dpi));
    const int formX = Scaled(kFormX, dpi);
    return {Rect::FromSize(0, Scaled(43, dpi), Scaled(kPanelWidth, dpi), height),
            Rect::FromSize(Scaled(kGaugeX, dpi), Scaled(45, dpi), Scaled(kGaugeWidth, dpi), height),
            Rect::FromSize(formX, Scaled(43, dpi), std::max(0, clientWidth - formX), height)};
}

ColumnLayout ResizeLayout(int clientWidth, int clientHeight, int toolbarHeight, int statusBarHeight, int dpi) {
    const int height = std::max(0, clientHeight - toolbarHeight - statusBarHeight);
    const int formX = Scaled(kFormX, dpi);
    return {Rect::FromSize(0, toolbarHeight, Scaled(kPanelWidth, dpi), height),
            Rect::FromSize(Scaled(kGaugeX, dpi), toolbarHeight, Scaled(kGaugeWidth, dpi), height),
            Rect::FromSize(formX, toolbarHeight, std::max(0, clientWidth - formX), height)};
}

int StatusFirstPartEdge(int dpi) {
    return Scaled(kStatusFirstPart, dpi);
}

bool ScalesFromDoubleSize(int dpi, bool doubleSizeAvailable) {
    return doubleSizeAvailable && ValidDpi(dpi) > kBaseDpi;
}

bool IsDoubleSize(int plainWidth, int plainHeight, int width, int height) {
    return plainWidth > 0 && plainHeight > 0 && width == 2 * plainWidth && height == 2 * plainHeight;
}

int CentredOffset(int frame, int picture) {
    return (frame - picture) / 2;
}

}  // namespace kalvora

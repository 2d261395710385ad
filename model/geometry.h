// SPDX-License-Identifier: MIT
// Where the main window and its columns go: pure arithmetic on pixels, the same for every view.
#pragma once

namespace kalvora {

// A rectangle as the window system reports one: left and top inclusive, right and bottom
// exclusive, in pixels.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    static Rect FromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Every length below is given for a display at 96 dots per inch (100 % scale); the functions take
// the display's DPI and return pixels at that scale.
inline constexpr int kBaseDpi = 96;

// a * b / c rounded to the nearest integer, halves away from zero (as the window system's MulDiv),
// computed without overflow; c is not zero.
int MulDivRounded(int a, int b, int c);

// The DPI the geometry works with for a reported one: zero or less counts as 96, and the rest is
// held between a quarter and ten times that (beyond any display's scale), so that carrying a
// window of any size in range from one scale to another stays far from overflow.
int ValidDpi(int dpi);

// A length of `pixels` at 96 DPI as it is at `dpi` (through ValidDpi), rounded to the nearest
// pixel, halves away from zero (as the window system's MulDiv).
int Scaled(int pixels, int dpi);

// A rectangle's size as it is at `toDpi` when it was measured at `fromDpi`, its top-left corner
// moved to `corner`: the one rule for carrying a remembered window size to another display.
Rect Rescaled(const Rect& rect, int fromDpi, int toDpi, int cornerLeft, int cornerTop);

// The main window's outer rectangle at start-up, on a screen whose top-left corner is at
// (screenLeft, screenTop) and which is `screenWidth` pixels wide: centred 275 pixels left of
// the middle (integer division), 50 from the top, 580 x 600 with its frame (all four lengths
// scaled).
Rect StartWindowRect(int screenLeft, int screenTop, int screenWidth, int dpi = kBaseDpi);

// The outer rectangle while the liquid-mixing form is open: the same left and top, 660 wide,
// and as high as the old bottom edge minus 40 (the bottom coordinate, not the height, is the base;
// 660 and 40 scaled).
Rect WidenedWindowRect(const Rect& before, int dpi = kBaseDpi);

// Where the panel, the memory gauge and the active form stand in the main window's client area.
struct ColumnLayout {
    Rect panel;
    Rect gauge;
    Rect form;
};

// The places the panel, gauge and form take when they are created: panel and form from y 43,
// the gauge from y 45, all three as high as the client area less 60 (lengths scaled).
ColumnLayout CreationLayout(int clientWidth, int clientHeight, int dpi = kBaseDpi);

// The layout after the client area was resized: the three columns fill the height between the
// toolbar and the status bar; the panel is 170 wide at x 0, the gauge 18 wide at x 171, the form
// starts at x 190 and reaches the right edge (lengths scaled; the client size and the bar heights
// are already pixels at that scale).
ColumnLayout ResizeLayout(int clientWidth, int clientHeight, int toolbarHeight, int statusBarHeight,
                          int dpi = kBaseDpi);

// The right edge of the status bar's first part (the total memory), 170 scaled.
int StatusFirstPartEdge(int dpi = kBaseDpi);

// Where a picture `picture` pixels long starts in a frame `frame` pixels long, on one axis:
// centred, the odd pixel after it, negative (the picture cut on both sides) when it is larger.
// The division truncates toward zero: a picture 39 pixels too wide starts at -19.
int CentredOffset(int frame, int picture);

// Pictures come drawn at their own size and, where delivered, at twice it. Above 100 % a picture
// is scaled from the double-size drawing when there is one (down to the display's size, which
// keeps it sharp), else from the plain one.
bool ScalesFromDoubleSize(int dpi, bool doubleSizeAvailable);
// Whether a drawing of `width` x `height` can serve as the double-size drawing of a picture of
// `plainWidth` x `plainHeight`: exactly twice as wide and twice as high.
bool IsDoubleSize(int plainWidth, int plainHeight, int width, int height);

}  // namespace kalvora

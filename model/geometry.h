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

// The main window's outer rectangle at start-up, on a screen whose top-left corner is at
// (screenLeft, screenTop) and which is `screenWidth` pixels wide: centred 275 pixels left of
// the middle (integer division), 50 from the top, 580 x 600 with its frame.
Rect StartWindowRect(int screenLeft, int screenTop, int screenWidth);

// The outer rectangle while the liquid-mixing form is open: the same left and top, 660 wide,
// and as high as the old bottom edge minus 40 (the bottom coordinate, not the height, is the base).
Rect WidenedWindowRect(const Rect& before);

// Where the panel, the memory gauge and the active form stand in the main window's client area.
struct ColumnLayout {
    Rect panel;
    Rect gauge;
    Rect form;
};

// The places the panel, gauge and form take when they are created: panel and form from y 43,
// the gauge from y 45, all three as high as the client area less 60.
ColumnLayout CreationLayout(int clientWidth, int clientHeight);

// The layout after the client area was resized: the three columns fill the height between the
// toolbar and the status bar; the panel is 170 wide at x 0, the gauge 18 wide at x 171, the form
// starts at x 190 and reaches the right edge.
ColumnLayout ResizeLayout(int clientWidth, int clientHeight, int toolbarHeight, int statusBarHeight);

// Where a picture `picture` pixels long starts in a frame `frame` pixels long, on one axis:
// centred, the odd pixel after it, negative (the picture cut on both sides) when it is larger.
// The division truncates toward zero: a picture 39 pixels too wide starts at -19.
int CentredOffset(int frame, int picture);

}  // namespace kalvora

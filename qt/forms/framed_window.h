// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace kalvora {

// A child window with the sizing frame its template gives (panels and forms). The frame is
// painted around the edge; Client() is the client area inside it: the template's controls are
// its children, placed in its coordinates and clipped to it, as the platform clips a window's
// children to its client area. What the window paints itself (a title, a gradient) it paints in
// contentsRect(), the client area's rectangle, which shows through the client widget.
class FramedWindow : public QWidget {
public:
    explicit FramedWindow(QWidget* parent);

    QWidget* Client() const { return client_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* client_;
};

}  // namespace kalvora

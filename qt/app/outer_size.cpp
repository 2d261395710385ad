// SPDX-License-Identifier: MIT
#include "qt/app/outer_size.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace kalvora {
namespace {

// How long after the window is shown a frame is still waited for. A loaded machine has been seen
// to take more than five seconds to frame the window; the wait ends at once when the frame comes.
constexpr int kFrameWaitMs = 30000;

QMargins FrameMargins(const QWidget* window) {
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

// Puts the frame's top-left corner at the outer rectangle's and leaves the inside the rest of
// it: QWidget::move places a window's frame (as far as the frame is known), resize its inside.
void Place(QWidget* window, const QRect& outer, const QMargins& frame) {
    window->move(outer.topLeft());
    window->resize(outer.size().shrunkBy(frame));
}

// Watches the window until its frame is known, then places it once and goes away.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget* window, QRect outer) : QObject(window), window_(window), outer_(outer) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || done_) return false;
        if (event->type() == QEvent::Show && !waiting_) {
            waiting_ = true;
            QTimer::singleShot(kFrameWaitMs, this, &QObject::deleteLater);
        }
        const QMargins frame = FrameMargins(window_);
        if (!frame.isNull()) {
            done_ = true;  // placing sends events of its own
            Place(window_, outer_, frame);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
    QRect outer_;
    bool waiting_ = false;
    bool done_ = false;
};

}  // namespace

void GiveOuterGeometry(QWidget* window, QRect outer) {
    window->winId();  // creates the platform window, which knows the frame where the system does
    const QMargins frame = FrameMargins(window);
    Place(window, outer, frame);
    if (frame.isNull()) new FrameWatcher(window, outer);
}

}  // namespace kalvora

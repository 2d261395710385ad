// SPDX-License-Identifier: MIT
#include "qt/platform/dialog_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace kalvora::platform {
namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QWidget* window, std::function<bool(WindowKey)> handler)
        : QObject(window), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                return handler_(WindowKey::Enter);
            case Qt::Key_Escape:
                return handler_(WindowKey::Escape);
            default:
                return false;
        }
    }

private:
    std::function<bool(WindowKey)> handler_;
};

}  // namespace

void ForwardWindowKeys(QWidget* window, std::function<bool(WindowKey)> handler) {
    auto* filter = new KeyFilter(window, std::move(handler));
    window->installEventFilter(filter);
    for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(filter);
}

}  // namespace kalvora::platform

// SPDX-License-Identifier: MIT
#include "platform/message_box.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>

namespace kalvora::platform {
namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer ShowReal(const MessageBoxRequest& request) {
    QMessageBox box(ToQtIcon(request.icon), request.caption, request.text,
                    request.buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                             : QMessageBox::Ok,
                    request.owner);
    if (request.buttons == MessageButtons::YesNo) box.setDefaultButton(QMessageBox::Yes);
    if (request.owner) {
        box.setWindowModality(Qt::WindowModal);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes
               : request.buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                          : MessageAnswer::Ok;
    }
    // Without an owner the box must not disable the other windows: show it non-modal and wait
    // in a local event loop, which keeps every window working meanwhile.
    box.setWindowModality(Qt::NonModal);
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    box.show();
    loop.exec();
    return box.result() == QMessageBox::Yes ? MessageAnswer::Yes
           : request.buttons == MessageButtons::YesNo ? MessageAnswer::No
                                                      : MessageAnswer::Ok;
}

}  // namespace

MessageAnswer ShowMessageBox(const MessageBoxRequest& request) {
    if (Handler()) return Handler()(request);
    return ShowReal(request);
}

void ShowFormMessage(QWidget* form, const Message& message) {
    MessageBoxRequest request;
    request.owner = message.owner == MessageOwner::Form ? form : nullptr;
    request.caption = QString::fromUtf8(message.caption.data(), qsizetype(message.caption.size()));
    request.text = QString::fromUtf8(message.text.data(), qsizetype(message.text.size()));
    request.icon = message.icon;
    ShowMessageBox(request);
}

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

}  // namespace kalvora::platform

// SPDX-License-Identifier: MIT
#include "qt/platform/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "model/dialog_keys.h"
#include "qt/platform/dialog_key_filter.h"

namespace kalvora::platform {
namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QWidget* OpenMessageBox(const MessageBoxRequest& request, std::function<void(MessageAnswer)> answered) {
    if (Handler()) {
        answered(Handler()(request));
        return nullptr;
    }
    const bool question = request.buttons == MessageButtons::YesNo;
    auto* box =
        new QMessageBox(ToQtIcon(request.icon), request.caption, request.text,
                        question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, request.owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (question) box->setDefaultButton(QMessageBox::Yes);
    // Esc answers as the program's rule says, and a question not at all (Qt would take No).
    ForwardWindowKeys(box, [box, buttons = request.buttons](WindowKey key) {
        if (key != WindowKey::Escape) return false;
        if (const std::optional<BoxAnswer> answer = EscapeAnswer(buttons))
            box->button(*answer == BoxAnswer::Yes  ? QMessageBox::Yes
                        : *answer == BoxAnswer::No ? QMessageBox::No
                                                   : QMessageBox::Ok)
                ->click();
        return true;
    });
    QObject::connect(box, &QMessageBox::finished, box,
                     [answered = std::move(answered), question](int result) {
                         answered(result == QMessageBox::Yes ? MessageAnswer::Yes
                                  : question                 ? MessageAnswer::No
                                                             : MessageAnswer::Ok);
                     });
    if (request.owner && !request.owner->isVisible()) {
        // The owner is not on screen yet (the main window while it is being built): the box comes
        // first, and the owner appears once it is answered.
        box->setWindowModality(Qt::ApplicationModal);
        box->exec();
        return nullptr;
    }
    // Without an owner the box must not disable the other windows.
    box->setWindowModality(request.owner ? Qt::WindowModal : Qt::NonModal);
    box->show();
    return box;
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

}  // namespace kalvora::platform

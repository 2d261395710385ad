// SPDX-License-Identifier: MIT
// The main window draws the program's state: it builds what is new (a changed serial), removes
// what is gone, shows and hides, and sets texts where they differ from what is shown.
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QProgressBar>
#include <vector>

#include "model/box_queue.h"
#include "qt/app/main_window.h"
#include "qt/app/topic_menu.h"
#include "qt/forms/calculator_form.h"
#include "qt/forms/help_window.h"
#include "qt/forms/qt_rect.h"
#include "qt/forms/qt_text.h"
#include "qt/panels/topic_panel.h"
#include "qt/platform/dialog_key_filter.h"
#include "qt/platform/message_box.h"

namespace kalvora {
namespace {

void ShowText(QLabel& label, const std::string& text) {
    const QString shown = ToQString(text);
    if (label.text() != shown) label.setText(shown);
}

}  // namespace

void MainWindow::Reconcile() {
    const ProgramState& state = program_.State();
    const WindowChanges changes = ChangeWindows(shown_, state);
    shown_ = changes.shown;
    // Gone first: a new window opens at once and must find the screen empty. Then the window's
    // own rectangle, so that new windows take their places in its final client area.
    RemoveGoneWindows(changes);
    PlaceMainWindow(state.mainWindow);
    if (!state.panel) topicMenu_->clear();
    if (changes.createPanel) BuildPanel(*state.panel);
    SyncForms(state, changes);
    SyncHelpWindow(state, changes.createHelp);
    SyncStatus(state);
    SyncBoxes(state);
}

void MainWindow::RemoveGoneWindows(const WindowChanges& changes) {
    for (int slot : changes.destroyForms) delete forms_[std::size_t(slot)].data();
    if (changes.destroyPanel) delete panel_.data();
    if (!changes.destroyHelp || !help_) return;
    if (!inHelpKey_) {
        delete help_.data();
        return;
    }
    // The key that closes it is still on its way through it: it goes once the key is done.
    help_->hide();
    help_->deleteLater();
    help_ = nullptr;
}

void MainWindow::PlaceMainWindow(const Rect& outer) {
    if (outer == placedRect_) return;
    placedRect_ = outer;
    // The rectangle is the frame's; the window is placed by its inside, the frame as it is now.
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    placing_ = true;
    setGeometry(ToQRect(outer).marginsRemoved(margins));
    if (layout()) layout()->activate();
    placing_ = false;
}

void MainWindow::BuildPanel(const PanelInstance& panel) {
    const PanelData& data = PanelFor(panel.field);
    panel_ = new TopicPanel(data, client_);
    panel_->setGeometry(ToQRect(CreationLayout(client_->width(), client_->height()).panel));
    connect(panel_, &TopicPanel::labelClicked, this,
            [this](int id) { Send([id](Program& program) { program.ClickLabel(id); }); });
    panel_->show();
    FillTopicMenu(*topicMenu_, &data, [this](int id) { OnTopicItem(id); });
}

void MainWindow::OnTopicItem(int labelId) {
    const QPointer<QWidget> before = ActiveFormWindow();
    Send([labelId](Program& program) { program.ClickLabel(labelId); });
    // Where the form a topic opens takes no focus of its own, the form itself gets it, so that
    // Tab moves into its inputs and Esc reaches it.
    QWidget* form = ActiveFormWindow();
    if (form && form != before && !form->isAncestorOf(QApplication::focusWidget()))
        form->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::SyncForms(const ProgramState& state, const WindowChanges& changes) {
    for (int slot : changes.createForms)
        forms_[std::size_t(slot)] = BuildForm(slot, *state.forms[std::size_t(slot)]);
    for (std::size_t slot = 0; slot < kFormSlotCount; ++slot)
        if (state.forms[slot] && forms_[slot]) forms_[slot]->ShowState(*state.forms[slot]);
    for (int slot : changes.hideForms)
        if (forms_[std::size_t(slot)]) forms_[std::size_t(slot)]->hide();
    for (int slot : changes.showForms)
        if (forms_[std::size_t(slot)]) forms_[std::size_t(slot)]->show();
}

CalculatorForm* MainWindow::BuildForm(int slot, const FormInstance& form) {
    auto* widget = new CalculatorForm(form, client_);
    widget->setGeometry(ToQRect(CreationLayout(client_->width(), client_->height()).form));
    // What the user does in a form is the program's business while the form is the one it holds.
    auto send = [this, slot, widget](const std::function<void(Program&)>& event) {
        if (forms_[std::size_t(slot)] == widget) Send(event);
    };
    connect(widget, &CalculatorForm::buttonPressed, this,
            [send, slot](int id) { send([=](Program& p) { p.PressButton(slot, id); }); });
    connect(widget, &CalculatorForm::enterPressed, this,
            [send, slot](int id) { send([=](Program& p) { p.PressEnter(slot, id); }); });
    connect(widget, &CalculatorForm::escapePressed, this,
            [send, slot] { send([=](Program& p) { p.PressEscape(slot); }); });
    connect(widget, &CalculatorForm::textEdited, this, [send, slot](int id, const QString& text) {
        const std::string utf8 = text.toStdString();
        send([&](Program& p) { p.EditText(slot, id, utf8); });
    });
    connect(widget, &CalculatorForm::itemChosen, this, [send, slot](int id, int index) {
        send([=](Program& p) { p.ChooseItem(slot, id, std::size_t(index)); });
    });
    connect(widget, &CalculatorForm::activated, this,
            [send, slot] { send([=](Program& p) { p.ActivateForm(slot); }); });
    return widget;
}

void MainWindow::SyncHelpWindow(const ProgramState& state, bool create) {
    if (create) {
        help_ = new HelpWindow(state.HelpBitmapId);
        // Enter and Esc are the program's to decide.
        platform::ForwardWindowKeys(help_, [this](platform::WindowKey key) {
            inHelpKey_ = true;
            Send([key](Program& program) {
                program.PressKeyInHelpWindow(key == platform::WindowKey::Enter ? HelpWindowKey::Enter
                                                                               : HelpWindowKey::Escape);
            });
            inHelpKey_ = false;
            return true;
        });
        // Closed by the user: it deletes itself, and the program hears of it.
        connect(help_, &HelpWindow::closing, this, [this, window = help_.data()] {
            if (help_ != window) return;
            help_ = nullptr;
            Send([](Program& program) { program.CloseHelpWindow(); });
        });
        help_->show();
        help_->activateWindow();
    } else if (help_ && help_->PictureId() != state.HelpBitmapId) {
        help_->SetPicture(state.HelpBitmapId);
    }
}

void MainWindow::SyncStatus(const ProgramState& state) {
    ShowText(*totalLabel_, state.totalMemoryText);
    ShowText(*availableLabel_, state.availableMemoryText);
    if (gauge_->value() != state.gaugePosition) gauge_->setValue(state.gaugePosition);
}

void MainWindow::SyncBoxes(const ProgramState& state) {
    std::vector<int> shown;
    for (const auto& [id, box] : openBoxes_) shown.push_back(id);
    const BoxChanges changes = ChangeBoxes(shown, state);
    // Boxes the program no longer waits for (its end takes them all) close.
    for (int id : changes.close) {
        const QPointer<QWidget> box = openBoxes_[id];
        openBoxes_.erase(id);
        if (box) box->close();
    }
    for (const BoxToOpen& open : changes.open) {
        const WaitingBox& box = open.box;
        // It counts as shown before it shows: a box answered at once (or one that runs an event
        // loop) may bring the next round of drawing before this one ends.
        openBoxes_[box.id] = nullptr;
        QWidget* owner = box.owner == BoxOwner::MainWindow ? this
                         : box.owner == BoxOwner::Form     ? FormWindow(box.ownerForm)
                                                           : nullptr;
        const platform::MessageBoxRequest request{owner, ToQString(box.caption), ToQString(box.text),
                                                  box.icon, box.buttons};
        QWidget* shownBox = platform::OpenMessageBox(request, [this, id = box.id](BoxAnswer answer) {
            openBoxes_.erase(id);
            Send([=](Program& program) { program.Answer(id, answer); });
        });
        if (shownBox && openBoxes_.count(box.id)) openBoxes_[box.id] = shownBox;
    }
}

}  // namespace kalvora

// SPDX-License-Identifier: MIT
// The main window draws the program's state: it builds what is new (a changed serial), removes
// what is gone, shows and hides, and sets texts where they differ from what is shown.
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QProgressBar>
#include <vector>

#include "qt/app/main_window.h"
#include "qt/forms/qt_rect.h"
#include "qt/app/topic_menu.h"
#include "qt/forms/calculator_form.h"
#include "qt/forms/help_window.h"
#include "qt/forms/qt_text.h"
#include "qt/panels/topic_panel.h"
#include "qt/platform/message_box.h"

namespace kalvora {
namespace {

void ShowText(QLabel& label, const std::string& text) {
    const QString shown = ToQString(text);
    if (label.text() != shown) label.setText(shown);
}

bool Waits(const ProgramState& state, int boxId) {
    for (const WaitingBox& box : state.boxes)
        if (box.id == boxId) return true;
    return false;
}

}  // namespace

void MainWindow::Reconcile() {
    const ProgramState& state = program_.State();
    // Gone first: a new window opens at once and must find the screen empty. Then the window's
    // own rectangle, so that new windows take their places in its final client area.
    RemoveGoneWindows(state);
    PlaceMainWindow(state.mainWindow);
    SyncPanel(state);
    SyncForms(state);
    SyncHelpWindow(state);
    SyncStatus(state);
    SyncBoxes(state);
}

void MainWindow::RemoveGoneWindows(const ProgramState& state) {
    if (panel_ && (!state.panel || state.panel->serial != panelSerial_)) delete panel_.data();
    for (std::size_t slot = 0; slot < kFormSlotCount; ++slot) {
        const std::optional<FormInstance>& form = state.forms[slot];
        if (forms_[slot] && (!form || form->serial != formSerials_[slot])) delete forms_[slot].data();
    }
    if (help_ && (!state.helpWindowOpen || state.helpWindowSerial != helpSerial_)) delete help_.data();
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

void MainWindow::SyncPanel(const ProgramState& state) {
    if (!state.panel) {
        topicMenu_->clear();
        return;
    }
    if (panel_) return;
    const PanelData& data = PanelFor(state.panel->field);
    panel_ = new TopicPanel(data, client_);
    panelSerial_ = state.panel->serial;
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

void MainWindow::SyncForms(const ProgramState& state) {
    for (std::size_t slot = 0; slot < kFormSlotCount; ++slot) {
        const std::optional<FormInstance>& form = state.forms[slot];
        if (!form) continue;
        if (!forms_[slot]) {
            forms_[slot] = BuildForm(int(slot), *form);
            formSerials_[slot] = form->serial;
        } else {
            forms_[slot]->ShowState(*form);
        }
        forms_[slot]->setVisible(form->visible);
    }
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

void MainWindow::SyncHelpWindow(const ProgramState& state) {
    if (!state.helpWindowOpen) return;
    if (!help_) {
        help_ = new HelpWindow(state.HelpBitmapId);
        helpSerial_ = state.helpWindowSerial;
        // Closed by the user: it deletes itself, and the program hears of it.
        connect(help_, &HelpWindow::closing, this, [this, window = help_.data()] {
            if (help_ != window) return;
            help_ = nullptr;
            Send([](Program& program) { program.CloseHelpWindow(); });
        });
        help_->show();
        help_->activateWindow();
    } else if (help_->PictureId() != state.HelpBitmapId) {
        help_->SetPicture(state.HelpBitmapId);
    }
}

void MainWindow::SyncStatus(const ProgramState& state) {
    ShowText(*totalLabel_, state.totalMemoryText);
    ShowText(*availableLabel_, state.availableMemoryText);
    if (gauge_->value() != state.gaugePosition) gauge_->setValue(state.gaugePosition);
}

void MainWindow::SyncBoxes(const ProgramState& state) {
    // Boxes the program no longer waits for (its end takes them all) close.
    std::vector<QPointer<QWidget>> gone;
    for (auto box = openBoxes_.begin(); box != openBoxes_.end();) {
        if (Waits(state, box->first)) {
            ++box;
        } else {
            gone.push_back(box->second);
            box = openBoxes_.erase(box);
        }
    }
    for (const QPointer<QWidget>& box : gone)
        if (box) box->close();

    // Each box is shown once. It counts as shown before it shows: a box answered at once (or
    // one that runs an event loop) may bring the next round of drawing before this one ends.
    std::vector<WaitingBox> fresh;
    for (const WaitingBox& box : state.boxes)
        if (box.id > lastShownBox_) fresh.push_back(box);
    for (const WaitingBox& box : fresh) {
        lastShownBox_ = std::max(lastShownBox_, box.id);
        QWidget* owner = box.owner == BoxOwner::MainWindow ? this
                         : box.owner == BoxOwner::Form     ? FormWindow(box.ownerForm)
                                                           : nullptr;
        const platform::MessageBoxRequest request{owner, ToQString(box.caption), ToQString(box.text),
                                                  box.icon, box.buttons};
        QWidget* shown = platform::OpenMessageBox(request, [this, id = box.id](BoxAnswer answer) {
            openBoxes_.erase(id);
            Send([=](Program& program) { program.Answer(id, answer); });
        });
        if (shown) openBoxes_[box.id] = shown;
    }
}

}  // namespace kalvora

// SPDX-License-Identifier: MIT
#pragma once

#include "qt/forms/framed_window.h"
#include "model/panel_data.h"

namespace kalvora {

// One frame for all six topic panels: the labels of the panel's data, one every 15 dialog
// units, its colours, the painted gradient of the electrical panel, and the template's sizing
// frame around the client area. A click on a label is reported; what it opens is not the
// panel's business.
class TopicPanel : public FramedWindow {
    Q_OBJECT

public:
    TopicPanel(const PanelData& data, QWidget* parent);

signals:
    // A left click on label `labelId`; a double click gives two.
    void labelClicked(int labelId);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PanelData& data_;
};

}  // namespace kalvora

// SPDX-License-Identifier: MIT
// Every form of the catalogue, every panel and the help window as the views lay them out, at
// 100, 125, 150 and 200 %: what the template keeps apart stays apart, group boxes hold their
// controls, everything lies inside its window and one-line captions have room for their text.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/catalogue.h"
#include "model/form_presentation.h"
#include "model/text_room.h"

namespace kalvora {
namespace {

// Fonts as the Qt view measures them at 100 % (Liberation Sans 9 pt, the link's Times 22 px, the
// panel labels' Times 14 px, the help window's 10 pt); at other scales every length grows with
// the scale.
FontMetrics At(int dpi, FontMetrics font) {
    return {Scaled(font.alphabetWidth, dpi), Scaled(font.height, dpi), Scaled(font.averageCharWidth, dpi)};
}
FontMetrics TemplateFont(DialogFont font, int dpi) {
    return At(dpi, font == DialogFont::System ? FontMetrics{364, 15, 7} : FontMetrics{364, 14, 7});
}
ControlMetrics MetricsFor(const DialogTemplate& dialog, int dpi) {
    const FontMetrics font = TemplateFont(dialog.font, dpi);
    return {font, At(dpi, {616, 25, 12}), Scaled(22, dpi), font.height};
}

// The width of a text: its characters (an accented letter counts once) at five sixths of the
// font's average letter width, as captions of mostly small letters, blanks and digits measure.
int Width(std::string_view text, const FontMetrics& font) {
    const auto letters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return int(letters) * font.alphabetWidth * 5 / (52 * 6);
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Contains(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}
Rect Units(const ControlDefinition& c) { return Rect::FromSize(c.x, c.y, c.cx, c.cy); }

// A form's client area when the main window opens: its column inside the window frame (8 pixels
// a side, 23 for the caption and 20 for the menu), below the toolbar (40) and above the status
// bar (22), less the form's own sizing frame (4).
// The liquid-mixing form widens the main window while it is open.
Rect FormClientAtStart(int dpi, bool widened) {
    const Rect start = StartWindowRect(0, 0, 1920, dpi);
    const Rect outer = widened ? WidenedWindowRect(start, dpi) : start;
    const int frame = Scaled(8, dpi), sizing = Scaled(4, dpi);
    const Rect column = ResizeLayout(outer.width() - 2 * frame, outer.height() - 2 * frame - Scaled(43, dpi),
                                     Scaled(40, dpi), Scaled(22, dpi), dpi)
                            .form;
    return Rect::FromSize(0, 0, column.width() - 2 * sizing, column.height() - 2 * sizing);
}

class PresentationTable : public ::testing::TestWithParam<int> {};

TEST_P(PresentationTable, FormsKeepTheirTemplatesArrangement) {
    const int dpi = GetParam();
    for (const FormDefinition* form : Catalogue()) {
        SCOPED_TRACE(std::string(form->slug));
        const auto& controls = form->dialog.controls;
        const ControlMetrics metrics = MetricsFor(form->dialog, dpi);
        const FontMetrics title = At(dpi, {546, 20, 10});
        std::vector<int> widths;
        for (const ControlDefinition& control : controls)
            widths.push_back(Width(form->InitialText(control),
                                   control.kind == ControlKind::LinkLabel ? metrics.link : metrics.font));
        const FormPresentation shown = PresentForm(*form, metrics, widths, {Width(form->title, title), title.height}, dpi);
        ASSERT_EQ(shown.controls.size(), controls.size());
        const Rect client = FormClientAtStart(dpi, (form->behaviours & kWidensMainWindow) != 0);
        EXPECT_TRUE(Contains(client, shown.title));
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const Rect& rect = shown.controls[i].rect;
            SCOPED_TRACE("control " + std::to_string(i));
            EXPECT_TRUE(Contains(client, rect));
            if (TakesTextRoom(controls[i].kind) && !shown.controls[i].wraps) {
                EXPECT_GE(rect.width(), widths[i]) << form->InitialText(controls[i]);
            }
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const Rect& other = shown.controls[j].rect;
                if (controls[i].kind == ControlKind::GroupBox && Contains(Units(controls[i]), Units(controls[j]))) {
                    EXPECT_TRUE(Contains(rect, other)) << "group box holds control " << j;
                } else if (!Overlap(Units(controls[i]), Units(controls[j]))) {
                    EXPECT_FALSE(Overlap(rect, other)) << "control " << j;
                }
            }
        }
    }
}

TEST_P(PresentationTable, PanelLabelsStandApartInsideThePanel) {
    const int dpi = GetParam();
    const FontMetrics panelFont = TemplateFont(DialogFont::Dialog9pt, dpi), labelFont = At(dpi, {435, 15, 8});
    for (Field field : {Field::Electrical, Field::Thermal, Field::Mechanics, Field::Optics, Field::GasesAndLiquids,
                        Field::Antenna}) {
        const PanelData& panel = PanelFor(field);
        const PanelPresentation shown = PresentPanel(panel, panelFont, labelFont);
        ASSERT_EQ(shown.labels.size(), panel.labels.size());
        for (std::size_t i = 0; i < shown.labels.size(); ++i) {
            const Rect& rect = shown.labels[i].rect;
            EXPECT_TRUE(shown.window.top <= rect.top && rect.bottom <= shown.window.bottom) << panel.labels[i].text;
            EXPECT_GE(rect.height(), panel.labels[i].panelFont ? panelFont.height : labelFont.height);
            if (i > 0) {
                EXPECT_LE(shown.labels[i - 1].rect.bottom, rect.top) << panel.labels[i].text;
            }
        }
    }
}

TEST_P(PresentationTable, HelpWindowHoldsPictureAndButtonApart) {
    const HelpWindowPresentation shown = PresentHelpWindow(At(GetParam(), {394, 15, 8}));
    EXPECT_TRUE(Contains(shown.window, shown.picture.rect));
    EXPECT_TRUE(Contains(shown.window, shown.ok.rect));
    EXPECT_FALSE(Overlap(shown.picture.rect, shown.ok.rect));
}

INSTANTIATE_TEST_SUITE_P(Scales, PresentationTable, ::testing::Values(96, 120, 144, 192),
                         [](const auto& info) { return "Dpi" + std::to_string(info.param); });

}  // namespace
}  // namespace kalvora

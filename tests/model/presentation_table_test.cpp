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

// Fonts as the Qt view measures them at 100 % (Liberation Sans 9 pt, the title's 18 px, the
// link's and the panel labels' Times 22 and 14 px, the help window's 10 pt); every length grows
// with the scale.
FontMetrics At(int dpi, FontMetrics font) {
    return {Scaled(font.alphabetWidth, dpi), Scaled(font.height, dpi), Scaled(font.averageCharWidth, dpi)};
}
const FontMetrics kDialog{364, 14, 7}, kTitle{546, 20, 10}, kLink{616, 25, 12}, kLabel{435, 15, 8},
    kHelp{394, 15, 8};

// A text's width: its characters (an accented letter counts once) at five sixths of the average
// letter, as captions of mostly small letters, blanks and digits measure.
int Width(std::string_view text, const FontMetrics& font) {
    return int(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; })) *
           font.alphabetWidth * 5 / (52 * 6);
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Contains(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}
Rect Units(const ControlDefinition& c) {
    return Rect::FromSize(c.x, c.y, c.cx, c.cy);
}

// A form's client area when the main window opens (widened for the form that widens it): its
// column inside a frame of 8 pixels a side with 43 for caption and menu, between a toolbar of
// 40 and a status bar of 22, less the form's own sizing frame of 4.
Rect FormClient(int dpi, bool widened) {
    const Rect start = StartWindowRect(0, 0, 1920, dpi),
               outer = widened ? WidenedWindowRect(start, dpi) : start;
    const int frame = Scaled(8, dpi), sizing = Scaled(4, dpi);
    const Rect column = ResizeLayout(outer.width() - 2 * frame, outer.height() - 2 * frame - Scaled(43, dpi),
                                     Scaled(40, dpi), Scaled(22, dpi), dpi)
                            .form;
    return Rect::FromSize(0, 0, column.width() - 2 * sizing, column.height() - 2 * sizing);
}

class PresentationTable : public ::testing::TestWithParam<int> {};

TEST_P(PresentationTable, FormsKeepTheirTemplatesArrangement) {
    const int dpi = GetParam();
    const ControlMetrics metrics{At(dpi, kDialog), At(dpi, kLink), Scaled(22, dpi), At(dpi, kDialog).height};
    for (const FormDefinition* form : Catalogue()) {
        SCOPED_TRACE(std::string(form->slug));
        const auto& controls = form->dialog.controls;
        std::vector<int> widths;
        for (const ControlDefinition& c : controls)
            widths.push_back(
                Width(form->InitialText(c), c.kind == ControlKind::LinkLabel ? metrics.link : metrics.font));
        const FontMetrics title = At(dpi, kTitle);
        const FormPresentation shown =
            PresentForm(*form, metrics, widths, {Width(form->title, title), title.height}, dpi);
        const Rect client = FormClient(dpi, (form->behaviours & kWidensMainWindow) != 0);
        EXPECT_TRUE(Contains(client, shown.title));
        for (std::size_t i = 0; i < controls.size(); ++i) {
            SCOPED_TRACE("control " + std::to_string(i));
            const Rect& rect = shown.controls[i].rect;
            EXPECT_TRUE(Contains(client, rect));
            EXPECT_GE(rect.width(),
                      TakesTextRoom(controls[i].kind) && !shown.controls[i].wraps ? widths[i] : 0);
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const Rect& other = shown.controls[j].rect;
                const bool holds = controls[i].kind == ControlKind::GroupBox &&
                                   Contains(Units(controls[i]), Units(controls[j]));
                EXPECT_TRUE(!holds || Contains(rect, other)) << "holds " << j;
                EXPECT_TRUE(holds || Overlap(Units(controls[i]), Units(controls[j])) || !Overlap(rect, other))
                    << j;
            }
        }
    }
}

TEST_P(PresentationTable, PanelLabelsStandApartInsideThePanel) {
    const FontMetrics panelFont = At(GetParam(), kDialog), labelFont = At(GetParam(), kLabel);
    for (Field field : {Field::Electrical, Field::Thermal, Field::Mechanics, Field::Optics,
                        Field::GasesAndLiquids, Field::Antenna}) {
        const PanelData& panel = PanelFor(field);
        const PanelPresentation shown = PresentPanel(panel, panelFont, labelFont);
        ASSERT_EQ(shown.labels.size(), panel.labels.size());
        for (std::size_t i = 0; i < shown.labels.size(); ++i) {
            const Rect& rect = shown.labels[i].rect;
            EXPECT_TRUE(shown.window.top <= rect.top && rect.bottom <= shown.window.bottom)
                << panel.labels[i].text;
            EXPECT_GE(rect.height(), panel.labels[i].panelFont ? panelFont.height : labelFont.height);
            EXPECT_LE(i > 0 ? shown.labels[i - 1].rect.bottom : 0, rect.top) << panel.labels[i].text;
        }
    }
}

TEST_P(PresentationTable, HelpWindowHoldsPictureAndButtonApart) {
    const HelpWindowPresentation shown = PresentHelpWindow(At(GetParam(), kHelp));
    EXPECT_TRUE(Contains(shown.window, shown.picture.rect) && Contains(shown.window, shown.ok.rect));
    EXPECT_FALSE(Overlap(shown.picture.rect, shown.ok.rect));
}

INSTANTIATE_TEST_SUITE_P(Scales, PresentationTable, ::testing::Values(96, 120, 144, 192),
                         [](const auto& info) { return "Dpi" + std::to_string(info.param); });

}  // namespace
}  // namespace kalvora

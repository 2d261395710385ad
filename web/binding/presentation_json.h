// SPDX-License-Identifier: MIT
// The model's presentation of a form, a panel and the help window at the fonts the page
// measured, as JSON for the page: each control's rectangle in CSS pixels and how it behaves.
#pragma once

#include <span>
#include <string>

#include "model/form_presentation.h"

namespace kalvora::web {

// What the page measures once: its dialog font (every form's, as the page draws them all in it),
// the panels' label font and the link label's font, the height of a one-line drop-down field and
// of one row of its list.
struct PageMetrics {
    ControlMetrics controls;
    FontMetrics label;
};

// {"title":[x,y],"controls":[{"rect":[x,y,w,h],"align":"left"|"centre","wraps","stopsAtWidth",
// "listHeight" (the rows a drop-down list shows, in pixels),"focus":"none"|"tabStop"|"clickOnly",
// "cursor":"default"|"static"|"arrow","behind" (drawn behind the other controls)}...]};
// `textWidths` as PresentControls takes them.
std::string FormPresentationJson(const FormDefinition& form, const PageMetrics& metrics, std::span<const int> textWidths);

// [[x,y,w,h]...]: each label of the panel in panel order.
std::string PanelPresentationJson(const PanelData& panel, const PageMetrics& metrics);

// {"window":[x,y,w,h],"picture":[...],"ok":[...]}: the help window's client area, its picture's
// sunken frame and its OK button, in `font` (the help window's font as the page measured it).
std::string HelpWindowPresentationJson(const FontMetrics& font);

}  // namespace kalvora::web

// SPDX-License-Identifier: MIT
// The program's dialog templates, realised from the core's and the model's data: the forms, the
// topic panels and the help window.
#pragma once

#include "calc/form_definition.h"
#include "dialog_builder.h"
#include "model/panel_data.h"

namespace kalvora::win32 {

// The help window's controls.
inline constexpr int kHelpPictureId = 233;

DialogLayout FormDialogLayout(const FormDefinition& form);
DialogLayout PanelDialogLayout(const PanelData& panel);
DialogLayout HelpWindowLayout();

// The name a panel's window carries (read by screen readers and tests): its field command's menu
// text without the mnemonic, e.g. "Elektro".
std::wstring PanelTitle(Field field);

}  // namespace kalvora::win32

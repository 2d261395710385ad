// SPDX-License-Identifier: MIT
#include "model/panel_data.h"

#include <array>

#include "config/contact_addresses.h"
#include "model/menu_text.h"

namespace kalvora {
namespace {

PanelLabel Topic(int id, std::string_view text, std::string_view formTitle, int helpBitmapId = 0) {
    return {id, text, LabelAction::OpenForm, formTitle, helpBitmapId, false};
}

PanelLabel Link(int id, std::string_view text, std::string_view url, bool panelFont = false) {
    return {id, text, LabelAction::OpenUrl, url, 0, panelFont};
}

// Indexed by Field.
const std::array<PanelData, 6>& Panels() {
    static const std::array<PanelData, 6> panels{{
        {Field::Electrical,
         172,
         {255, 0, 0},
         {255, 255, 0},
         true,
         {Topic(150, "Proud", "Proud"), Topic(198, "Napětí", "Napětí"), Topic(199, "Odpor", "Odpor"),
          Topic(151, "Cívka", "Cívka v obvodě střídavého proudu"),
          Topic(152, "Kondenzátor", "Kondenzátor v obvodě střídavého proudu"),
          Topic(153, "Transformátor", "Transformátor"), Topic(157, "Odpor vodiče", "Odpor vodiče"),
          Topic(155, "Zářivka za žárovku", "Zářivka za žárovku"), Topic(159, "Světelný tok", "Světelný tok"),
          Topic(160, "Příkon spotřebiče", "Příkon spotřebiče"),
          Topic(161, "Činný výkon ", "Činný výkon spotř.s induk.odporem"),
          Topic(169, "Úbytek napětí", "Úbytek napětí vlivem odp.vodiče"),
          Link(202, "Další programy", config::kOtherProgramsUrl),
          Link(203, config::kAuthorMail, config::kAuthorMailUrl, true)}},
        {Field::Thermal,
         206,
         {0, 160, 160},
         {0, 255, 0},
         false,
         {Topic(207, "Tep.odpor stěny", "Tepelný odpor stěny")}},
        {Field::Mechanics,
         212,
         {54, 139, 235},
         {0, 255, 0},
         false,
         {Topic(214, "Gravitační zákon", "Newtonův gravitační zákon", 2000),
          Topic(229, "Gravitační zrychlení", "Gravitační zrychleni", 234),
          Topic(235, "Volný pád", "Volný pád", 2001)}},
        {Field::Optics,
         224,
         {238, 246, 255},
         {255, 0, 0},
         false,
         {Topic(299, "Opt.mohutnost čočky", "Optická mohutnost čočky(dioptrie)")}},
        {Field::GasesAndLiquids,
         238,
         {255, 255, 0},
         {255, 0, 0},
         false,
         {Topic(248, "Aerodyn.odporová síla", "Aerodynamiká odporová síla"),
          Topic(246, "Archimédův zákon", "Archimédův zákon"),
          Topic(258, "Mísení kapalin", "Roztoky kapalin")}},
        {Field::Antenna,
         251,
         {255, 217, 179},
         {0, 0, 255},
         false,
         {Topic(252, "Půlvlnový dipol", "Půlvlnový dipól"),
          Topic(254, "Koaxiální kabel", "Délka koaxiálního kabelu")}},
    }};
    return panels;
}

}  // namespace

const PanelData& PanelFor(Field field) {
    return Panels().at(static_cast<std::size_t>(field));
}

std::optional<int> TopicShortcutDigit(const PanelData& panel, std::size_t index) {
    constexpr int kShortcutCount = 10;
    if (index >= panel.labels.size() || panel.labels[index].action != LabelAction::OpenForm)
        return std::nullopt;
    int topicsBefore = 0;
    for (std::size_t i = 0; i < index; ++i) topicsBefore += panel.labels[i].action == LabelAction::OpenForm;
    if (topicsBefore >= kShortcutCount) return std::nullopt;
    return (topicsBefore + 1) % kShortcutCount;
}

std::vector<TopicMenuItem> TopicMenuItems(const PanelData& panel) {
    std::vector<TopicMenuItem> items;
    bool linksStarted = false;
    for (std::size_t i = 0; i < panel.labels.size(); ++i) {
        const PanelLabel& label = panel.labels[i];
        TopicMenuItem item;
        item.labelId = label.id;
        // '&' would mark a mnemonic, and the panel's trailing blanks mean nothing in a menu.
        std::string_view text = label.text;
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        item.text = MarkMenuText(text);
        item.separatorBefore = label.action == LabelAction::OpenUrl && !linksStarted;
        linksStarted = linksStarted || label.action == LabelAction::OpenUrl;
        item.shortcutDigit = TopicShortcutDigit(panel, i);
        items.push_back(std::move(item));
    }
    return items;
}

int GradientRed(int row) {
    // The colour takes the low byte of the difference, so below zero it wraps to 255 again.
    return ((255 - row / 2) % 256 + 256) % 256;
}

int StretchedGradientRed(int row, int height) {
    constexpr long long kRows = 512;  // one run of GradientRed from full red to black
    if (height <= 1) return GradientRed(0);
    return GradientRed(int(row * (kRows - 1) / (height - 1)));
}

}  // namespace kalvora

// SPDX-License-Identifier: MIT
#include "app/window_registry.h"

#include <algorithm>

#include "calc/catalogue.h"

namespace kalvora {
namespace {

void DestroyNow(QPointer<QWidget>& slot) {
    // delete, not deleteLater: the next window opens at once and must find the screen empty.
    if (slot) delete slot.data();
}

}  // namespace

WindowRegistry& Registry() {
    static WindowRegistry registry;
    return registry;
}

void DestroyCalculators() {
    for (auto& slot : Registry().forms) DestroyNow(slot);
    DestroyNow(Registry().helpWindow);
}

void DestroyTopicPanels() {
    for (auto& slot : Registry().panels) DestroyNow(slot);
}

std::size_t FormSlot(const FormDefinition& form) {
    auto all = Catalogue();
    return static_cast<std::size_t>(std::find(all.begin(), all.end(), &form) - all.begin());
}

}  // namespace kalvora

// SPDX-License-Identifier: MIT
// A started program and short ways to reach its forms by slug.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "model/program.h"

namespace kalvora {

inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

}  // namespace kalvora

namespace kalvora::testing {

inline constexpr MemoryFigures kMemory{std::uint64_t(1'000'000) << 10, std::uint64_t(333'333) << 10};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        program.Start({0, 0, 1024, kMemory, true});
        program.TakeEffects();
    }

    int Slot(std::string_view slug) const {
        const int slot = program.SlotOf(slug);
        EXPECT_GE(slot, 0) << slug;
        return slot;
    }
    const FormInstance* Form(std::string_view slug) const {
        const int slot = program.SlotOf(slug);
        return slot < 0                                   ? nullptr
               : program.State().forms[std::size_t(slot)] ? &*program.State().forms[std::size_t(slot)]
                                                          : nullptr;
    }
    std::string Text(std::string_view slug, int controlId) const {
        const FormInstance* form = Form(slug);
        const ControlState* control = form ? form->Control(controlId) : nullptr;
        return control ? control->text : "<none>";
    }
    std::vector<std::string> Items(std::string_view slug, int controlId) const {
        const FormInstance* form = Form(slug);
        const ControlState* control = form ? form->Control(controlId) : nullptr;
        return control ? control->items : std::vector<std::string>{};
    }
    // Opens the form through the label of its panel, opening the panel first.
    void Open(int fieldCommand, int labelId) {
        program.Command(fieldCommand);
        program.ClickLabel(labelId);
    }
    void Type(std::string_view slug, int controlId, std::string_view text) {
        program.EditText(Slot(slug), controlId, text);
    }
    void PressOk(std::string_view slug) { program.PressButton(Slot(slug), Form(slug)->definition->okId); }
    // The live form slots, in slot order.
    std::vector<int> LiveSlots() const {
        std::vector<int> slots;
        for (std::size_t i = 0; i < program.State().forms.size(); ++i)
            if (program.State().forms[i]) slots.push_back(int(i));
        return slots;
    }
    std::vector<EffectKind> EffectKinds() {
        std::vector<EffectKind> kinds;
        for (const Effect& effect : program.TakeEffects()) kinds.push_back(effect.kind);
        return kinds;
    }

    Program program;
};

}  // namespace kalvora::testing

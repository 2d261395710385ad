// SPDX-License-Identifier: MIT
#include "model/help_pictures.h"

#include <algorithm>
#include <array>

namespace kalvora {
namespace {

// The same formulas as the pictures set them, written on one line.
constexpr std::array<HelpPictureText, 19> kTexts{{
    {234, "Země, těleso a síly Fg, Fs, FG; Fg = κ · m · M / r², K = κ · M / r²"},
    {2000, "Dvě tělesa m₁ a m₂ se přitahují silou Fg = κ · m₁ · m₂ / r²"},
    {2001, "v = g · t, s = ½ · g · t²"},
    {2002, "I = U / R"},
    {2003, "U = I · R"},
    {2004, "R = U / I"},
    {2005, "XL = 6.28 · f · L"},
    {2006, "XC = 1 / (6.28 · f · C)"},
    {2007, "U₂ / U₁ = N₂ / N₁ = I₁ / I₂ = k"},
    {2008, "R = ρ · l / S"},
    {2009, "Náčrt: a) spojná a b) rozptylná čočka s poloměry r₁, r₂ a vrcholy V₁, V₂"},
    {2010, "F = ½ · C · ρ · S · v²"},
    {2011, "Náčrt: délka koaxiálního kabelu od stínění po stínění"},
    {2012, "ΔU = I · R"},
    {2013, "P ≤ 100 W: Pz = P / ((P − 24.9) · 0.0163 + 3.13); 100 W < P ≤ 200 W: "
           "Pz = P / ((P − 99.9) · 0.0065 + 4.35); P > 200 W: nepočítá se"},
    {2014, "Φ = η · P"},
    {2015, "P = U · I"},
    {2016, "P = U · I · cos φ"},
    {2017, "R = d / λ"},
}};

}  // namespace

std::span<const HelpPictureText> HelpPictureTexts() {
    return kTexts;
}

std::string_view HelpPictureTextOf(int id) {
    const auto found = std::find_if(kTexts.begin(), kTexts.end(), [id](const HelpPictureText& t) { return t.id == id; });
    return found == kTexts.end() ? std::string_view{} : found->text;
}

}  // namespace kalvora

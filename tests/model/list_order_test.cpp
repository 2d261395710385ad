// SPDX-License-Identifier: MIT
#include "model/list_order.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/catalogue.h"

namespace kalvora {
namespace {

TEST(ListOrderTest, CzechAlphabetCaseIgnoredAccentsOnlyBreakTies) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"c", "č"},
        {"čtvrť", "d"},
        {"h", "ch"},
        {"chyba", "i"},
        {"hz", "ch"},
        {"r", "ř"},
        {"řada", "s"},
        {"s", "š"},
        {"šest", "t"},
        {"z", "ž"},
        {"Zebra", "žába"},
        {"a", "á"},
        {"áb", "ac"},
        {"Děrovaní", "Desky"},
        {"Dřevo", "Hlína"},
        {"Polystyren", "Pórobeton"},
        {"Stropnice z B", "Škvára"},
        {"Beton hutný", "Beton železový"},
        {"a b", "ab"},
        {"a,", "a1"},
        {"9", "a"},
        {"2e30", "6e24"},
        {"abc", "abcd"},
        {"Cihelné", "Cihly"},
        {"YTONG,HEBEL", "zed"},
        {"Z", "€"},
    };
    for (const Case& c : cases) {
        EXPECT_LT(CompareCzech(c.before, c.after), 0) << c.before << " < " << c.after;
        EXPECT_GT(CompareCzech(c.after, c.before), 0) << c.after << " > " << c.before;
    }
    for (const auto& [a, b] : {std::pair{"ZEMĚ", "země"}, std::pair{"Čtvrť", "ČTVRŤ"}, std::pair{"", ""}})
        EXPECT_EQ(CompareCzech(a, b), 0) << a << " = " << b;
}

TEST(ListOrderTest, BrokenUtf8StillOrdersWithoutFailing) {
    const std::string broken = "a\xC3";
    EXPECT_NE(CompareCzech(broken, "a"), 0);
    EXPECT_EQ(CompareCzech(broken, broken), 0);
    EXPECT_FALSE(FindIgnoringCase({"a"}, broken).has_value());
}

TEST(ListOrderTest, EqualTextsJoinAfterTheirEquals) {
    const std::vector<std::string> items{"Měsíc", "Země", "ZEMĚ"};
    EXPECT_EQ(SortedPosition(items, "země"), 3u);
    EXPECT_EQ(SortedPosition(items, "Aha"), 0u);
    EXPECT_EQ(SortedPosition(items, "Slunce"), 1u);
    EXPECT_EQ(SortedPosition({}, "x"), 0u);
}

TEST(ListOrderTest, FindIgnoresCaseButNotAccents) {
    const std::vector<std::string> items{"Měsíc 7.5e22", "abc", "Země"};
    EXPECT_EQ(FindIgnoringCase(items, "MĚSÍC 7.5E22"), 0u);
    EXPECT_EQ(FindIgnoringCase(items, "ABC"), 1u);
    EXPECT_EQ(FindIgnoringCase(items, "zeme"), std::nullopt);
    EXPECT_EQ(FindIgnoringCase(items, "ab"), std::nullopt);
    EXPECT_EQ(FindIgnoringCase(items, ""), std::nullopt);
}

TEST(ListOrderTest, TheWallMaterialsShowInAlphabeticalOrder) {
    const FormDefinition* wall = FindForm("wall-thermal-resistance");
    ASSERT_NE(wall, nullptr);
    ASSERT_EQ(wall->lists.size(), 1u);
    std::vector<std::string> shown;
    for (std::string_view item : wall->lists[0].items)
        shown.insert(shown.begin() + std::ptrdiff_t(SortedPosition(shown, item)), std::string(item));
    const std::vector<std::string> expected{"Beton hutný 1.30",
                                            "Beton železový 1.73",
                                            "Bloky Therm 0.17",
                                            "Cihelné bloky CD IVA 0.41",
                                            "Cihelné bloky CD TÝN 0.35",
                                            "Cihly pálené 0.86",
                                            "Děrovaní cihly Cdm 0.69",
                                            "Desky z minerálních vláken 0.045",
                                            "Dřevo měkké 0.17",
                                            "Hlína suchá 0.14",
                                            "Keramzit sypký 0.16",
                                            "Malta vápenocementová 0.97",
                                            "Polystyren extrudovaný 0.035",
                                            "Polystyren pěnový 0.043",
                                            "Pórobetonové tvárnice 0.28",
                                            "Stropnice Hurdis 0.60",
                                            "Stropnice Miako 0.83",
                                            "Stropnice z B panelů 1.28",
                                            "Škvára sypká 0.27",
                                            "YTONG,HEBEL 0.17"};
    EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace kalvora

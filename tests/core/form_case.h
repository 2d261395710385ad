// SPDX-License-Identifier: MIT
// One evaluation of one form: the texts typed, and the result texts or the message expected.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "calc/catalogue.h"

namespace kalvora {

struct FormCase {
    std::string slug;
    std::vector<std::string> texts;
    std::vector<std::string> results;  // expected result texts when no message is expected
    const Message* message = nullptr;  // expected message, if any
    Message ownMessage{};              // used when `message` is null and `ownMessage.text` is set

    const Message* ExpectedMessage() const { return message ? message : ownMessage.text.empty() ? nullptr : &ownMessage; }
};

inline std::ostream& operator<<(std::ostream& out, const FormCase& c) {
    out << c.slug << "(";
    for (const auto& t : c.texts) out << '"' << t << "\" ";
    return out << ")";
}

// The slugs of a field's forms, in catalogue order.
inline std::vector<std::string_view> Slugs(const std::vector<FormDefinition>& forms) {
    std::vector<std::string_view> slugs;
    for (const FormDefinition& form : forms) slugs.push_back(form.slug);
    return slugs;
}

class FormCaseTest : public testing::TestWithParam<FormCase> {};

inline void ExpectFormCase(const FormCase& c) {
    const FormDefinition* form = FindForm(c.slug);
    ASSERT_NE(form, nullptr) << c.slug;
    std::vector<std::string_view> views(c.texts.begin(), c.texts.end());
    const Outcome outcome = Evaluate(*form, views);
    if (const Message* expected = c.ExpectedMessage()) {
        ASSERT_TRUE(outcome.message.has_value()) << c << " gave " << (outcome.results.empty() ? "" : outcome.results[0]);
        EXPECT_EQ(*outcome.message, *expected) << c;
        EXPECT_TRUE(outcome.results.empty());
    } else {
        ASSERT_FALSE(outcome.message.has_value()) << c << " gave message " << outcome.message->text;
        EXPECT_EQ(outcome.results, c.results) << c;
    }
}

}  // namespace kalvora

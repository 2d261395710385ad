// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora {

enum class MessageIcon { None, Information, Exclamation, Question };

// Whether a message box is owned by the form (modal to it) or has no owner window.
enum class MessageOwner { Form, None };

// A message box a form shows instead of a result. Every such box has one OK button.
struct Message {
    std::string_view caption;
    std::string_view text;
    MessageIcon icon = MessageIcon::None;
    MessageOwner owner = MessageOwner::Form;

    friend bool operator==(const Message&, const Message&) = default;
};

// What pressing OK in a form gives: the result texts in the form's result order, or a message.
struct Outcome {
    std::vector<std::string> results;
    std::optional<Message> message;

    bool ok() const { return !message.has_value(); }
    static Outcome Results(std::vector<std::string> texts) { return {std::move(texts), {}}; }
    static Outcome Fail(const Message& m) { return {{}, m}; }
};

// The standard forms' one input error: "Zadejte do pole číslici", caption "chyba", owned by the form.
const Message& InputError();

}  // namespace kalvora

// SPDX-License-Identifier: MIT
// The order and the look-up of the items of the forms' drop-down lists.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora {

// Compares two UTF-8 texts in Czech alphabetical order with case ignored: spaces, then other
// signs, then digits, then letters in the Czech alphabet (č after c, ch after h, ř after r,
// š after s, ž after z); letters with other accents (á, ď, é, ě, í, ň, ó, ť, ú, ů, ý) sort with
// their base letter and only break ties. Negative, zero or positive like strcmp.
int CompareCzech(std::string_view a, std::string_view b);

// Where `text` joins `items`, a list kept in that order: after every item that sorts before it or
// equal to it, so that equal texts keep the order in which they came.
std::size_t SortedPosition(const std::vector<std::string>& items, std::string_view text);

// The first item that equals `text` when case is ignored (accents count), or nothing.
std::optional<std::size_t> FindIgnoringCase(const std::vector<std::string>& items, std::string_view text);

}  // namespace kalvora

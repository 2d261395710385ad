// SPDX-License-Identifier: MIT
// Which window the dialog manager made for each control of a template, found by control id.
#pragma once

#include <cstddef>
#include <map>
#include <vector>

namespace kalvora::win32 {

// For each template control (by its id, in template order) the index of its window among the
// dialog's children (their ids in the order the dialog lists them), or -1 when it has none. A
// control whose window could not be made leaves only its own place empty; controls sharing an
// id (the unnamed statics) are matched in order among themselves.
inline std::vector<int> MatchControlsById(const std::vector<int>& templateIds, const std::vector<int>& childIds) {
    std::map<int, std::vector<int>> childrenById;
    for (std::size_t i = 0; i < childIds.size(); ++i) childrenById[childIds[i]].push_back(int(i));
    std::map<int, std::size_t> used;
    std::vector<int> matches;
    matches.reserve(templateIds.size());
    for (int id : templateIds) {
        const auto found = childrenById.find(id);
        std::size_t& next = used[id];
        if (found == childrenById.end() || next >= found->second.size()) {
            matches.push_back(-1);
            continue;
        }
        matches.push_back(found->second[next++]);
    }
    return matches;
}

}  // namespace kalvora::win32

// SPDX-License-Identifier: MIT
#include "model/box_queue.h"

#include <algorithm>

namespace kalvora {
namespace {

bool Contains(std::span<const int> ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

BoxChanges ChangeBoxes(std::span<const int> shown, const ProgramState& state) {
    BoxChanges changes;
    for (int id : shown)
        if (std::none_of(state.boxes.begin(), state.boxes.end(),
                         [id](const WaitingBox& b) { return b.id == id; }))
            changes.close.push_back(id);
    for (const WaitingBox& box : state.boxes) {
        if (Contains(shown, box.id)) continue;
        changes.open.push_back({box, box.owner != BoxOwner::None});
    }
    return changes;
}

bool MainWindowWaits(const ProgramState& state) {
    return std::any_of(state.boxes.begin(), state.boxes.end(),
                       [](const WaitingBox& box) { return box.owner != BoxOwner::None; });
}

}  // namespace kalvora

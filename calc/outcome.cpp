// SPDX-License-Identifier: MIT
#include "calc/outcome.h"

namespace kalvora {

const Message& InputError() {
    static const Message error{"chyba", "Zadejte do pole číslici", MessageIcon::None, MessageOwner::Form};
    return error;
}

}  // namespace kalvora

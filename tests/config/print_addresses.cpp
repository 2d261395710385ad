// SPDX-License-Identifier: MIT
// Prints the configured addresses, one a line, as a program built against the header sees them.
#include <cstdio>

#include "config/contact_addresses.h"

int main() {
    std::printf("%s\n%s\n%s\n%s\n", kalvora::config::kAuthorMail, kalvora::config::kAuthorMailUrl,
                kalvora::config::kOtherProgramsUrl, kalvora::config::kCoaxArticleUrl);
}

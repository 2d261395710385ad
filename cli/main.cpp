// SPDX-License-Identifier: MIT
// kalvora-calc: the forms' calculations on the command line.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string_view> args(argv + 1, argv + argc);
    return kalvora::cli::Run(args, std::cin, std::cout, std::cerr);
}

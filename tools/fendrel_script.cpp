// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fendrel-script: runs the window's logic over a scripted host; see the README.
#include <fstream>
#include <iostream>

#include "tools/script_runner.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: fendrel-script [FILE]\n";
        return 2;
    }
    if (argc == 2) {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cerr << "fendrel-script: cannot read " << argv[1] << '\n';
            return 2;
        }
        return fendrel::runScript(file, std::cout, std::cerr);
    }
    return fendrel::runScript(std::cin, std::cout, std::cerr);
}

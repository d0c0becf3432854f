// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// fendrel-script: runs the window's logic over a scripted host; see the README.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

#include "model/language_choice.h"
#include "model/translation.h"
#include "tools/script_runner.h"

namespace {

// The catalogues beside the program: share/locale, as installed and as built.
std::string localeFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) program = std::filesystem::absolute(argv0, error);
    return (program.parent_path() / ".." / "share" / "locale").lexically_normal().string();
}

int usage() {
    std::cerr << "usage: fendrel-script [--language CODE] [FILE]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int next = 1;
    // English unless a language is asked for: the environment's locale never changes a text.
    if (next < argc && std::string_view(argv[next]) == "--language") {
        if (next + 1 >= argc) return usage();
        if (!fendrel::useLanguage(argv[next + 1], localeFolder(argv[0]))) {
            std::cerr << "fendrel-script: no catalogue for the language \"" << argv[next + 1] << "\"\n";
            return 2;
        }
        next += 2;
    }
    if (argc - next > 1) return usage();
    if (next < argc) {
        errno = 0;
        std::ifstream file(argv[next]);
        if (!file) {
            const std::string reason = errno ? ": " + std::generic_category().message(errno) : "";
            std::cerr << "fendrel-script: cannot read " << argv[next] << reason << '\n';
            return 1;
        }
        return fendrel::runScript(file, std::cout, std::cerr);
    }
    return fendrel::runScript(std::cin, std::cout, std::cerr);
}

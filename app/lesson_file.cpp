// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lesson_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/lesson.h"
#include "model/translation.h"

namespace fendrel {

namespace {

// Why a file operation failed, for the end of "could not be opened: " or "saved: ".
std::string reason(int error) {
    switch (error) {
        // TRANSLATORS: why a lesson file could not be opened or saved, after "could not be
        // opened: " or "could not be saved: ".
        case ENOENT: return std::string(_("there is no such file or folder"));
        case EACCES:
        case EPERM: return std::string(_("permission denied"));
        case EISDIR: return std::string(_("it is a folder"));
        case ENOSPC:
        case EDQUOT: return std::string(_("the disk is full"));
        case EROFS: return std::string(_("the disk is read-only"));
        case ENAMETOOLONG: return std::string(_("the name is too long"));
        default: return std::generic_category().message(error);
    }
}

[[noreturn]] void refuse(std::string_view reason) { throw LessonError(std::string(_(reason))); }

[[noreturn]] void fail(int error) { throw LessonError(reason(error)); }

// Closes the descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

void writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(errno);
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace

std::string readLessonFile(const std::string& path) {
    // Not blocking on a named pipe; what is not a regular file is refused before reading.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) fail(errno);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) fail(errno);
    if (S_ISDIR(info.st_mode)) fail(EISDIR);
    if (!S_ISREG(info.st_mode)) refuse(N_("it is not a regular file"));
    constexpr const char* kTooLarge = N_("it is larger than 1 MiB");
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxLessonBytes) refuse(kTooLarge);
    std::string text(kMaxLessonBytes + 1, '\0');
    std::size_t size = 0;
    while (size < text.size()) {
        const ssize_t n = ::read(file.fd, text.data() + size, text.size() - size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(errno);
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
    }
    if (size > kMaxLessonBytes) refuse(kTooLarge);
    text.resize(size);
    return text;
}

void writeLessonFile(const std::string& path, std::string_view text) {
    std::error_code ignored;
    std::filesystem::path target(path);
    if (std::filesystem::is_symlink(target, ignored)) {
        const auto resolved = std::filesystem::weakly_canonical(target, ignored);
        if (!ignored) target = resolved;
    }
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode)) fail(EISDIR);
    if (replacing && !S_ISREG(existing.st_mode)) refuse(N_("it is not a regular file"));

    // A new name beside the file, created with the permissions the user's umask gives.
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = target.string() + ".saving-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) fail(errno);
    }
    if (fd < 0) fail(EEXIST);
    try {
        Descriptor file{fd};
        if (replacing && ::fchmod(file.fd, existing.st_mode & 07777) != 0) fail(errno);
        writeAll(file.fd, text);
        // Some file systems tell of a full disk only here, or even only when it is closed.
        if (::fsync(file.fd) != 0) fail(errno);
        if (::close(std::exchange(file.fd, -1)) != 0) fail(errno);
        if (::rename(temporary.c_str(), target.c_str()) != 0) fail(errno);
    } catch (const LessonError&) {
        ::unlink(temporary.c_str());
        throw;
    }
}

}  // namespace fendrel

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

// Where a save through a link lands: each link followed to the file it names, which need not
// exist yet (the link is kept, and a file it names that is missing is created).
std::filesystem::path linkedFile(std::filesystem::path path) {
    constexpr int kMaxLinks = 40;  // as the system follows at most
    for (int link = 0; link < kMaxLinks; ++link) {
        std::error_code notALink;
        const std::filesystem::path to = std::filesystem::read_symlink(path, notALink);
        if (notALink) return path;
        path = path.parent_path() / to;  // a relative link from its own folder
    }
    fail(ELOOP);
}

// As editors tell it: a file that no one may write, which even the superuser is not to
// replace unasked, or one that the user may not write.
bool writeProtected(const std::filesystem::path& file, const struct stat& info) {
    if ((info.st_mode & 0222) == 0) return true;
    return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

// The new file takes the old one's group, so that the users who share it keep it, and its
// owner where the process may give it one (the superuser may).
void keepOwnerAndGroup(int fd, const struct stat& old) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) fail(errno);
    if (made.st_uid == old.st_uid && made.st_gid == old.st_gid) return;
    if (::fchown(fd, old.st_uid, old.st_gid) == 0) return;
    if (errno != EPERM || ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) fail(errno);
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
    const std::filesystem::path target = linkedFile(path);
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode)) fail(EISDIR);
    if (replacing && !S_ISREG(existing.st_mode)) refuse(N_("it is not a regular file"));
    // TRANSLATORS: why a lesson file could not be saved, after "could not be saved: ".
    if (replacing && writeProtected(target, existing)) refuse(N_("the file is write-protected"));

    // A short new name beside the file (so that a name of 255 bytes can be saved too), created
    // with the permissions the user's umask gives, or for the user alone until it has the old
    // file's.
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = (target.parent_path() / (".fendrel-saving-" + std::to_string(::getpid()) + "-" +
                                             std::to_string(attempt)))
                        .string();
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) fail(errno);
    }
    if (fd < 0) fail(EEXIST);
    try {
        Descriptor file{fd};
        if (replacing) {
            keepOwnerAndGroup(file.fd, existing);
            // The permissions, without set-user-ID or set-group-ID: a lesson is no program.
            if (::fchmod(file.fd, existing.st_mode & 0777) != 0) fail(errno);
        }
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

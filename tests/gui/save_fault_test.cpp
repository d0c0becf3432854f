// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture or a lesson saved where it cannot be: a message says why, and the folder stays
// exactly as it was, without waiting on a special file.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "app/lesson.h"
#include "app/lesson_file.h"
#include "ui/picture.h"
#include "window_test.h"

namespace fendrel {
namespace {

// The old file on a small file system with no room left beside it.
bool onAFullDisk(const QByteArray& folder, const QByteArray& path) {
    if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k") != 0) return false;
    const int kept = ::open(path.constData(), O_WRONLY | O_CREAT, 0644);
    const int filler = ::open((folder + "/filler").constData(), O_WRONLY | O_CREAT, 0644);
    const char block[4096] = {};
    const bool made = ::write(kept, "kept", 4) == 4;
    while (::write(filler, block, sizeof block) > 0) {}
    ::close(kept);
    ::close(filler);
    return made;
}

bool aFolder(const QByteArray&, const QByteArray& path) { return ::mkdir(path.constData(), 0755) == 0; }
bool aNamedPipe(const QByteArray&, const QByteArray& path) { return ::mkfifo(path.constData(), 0644) == 0; }
bool aDevice(const QByteArray&, const QByteArray& path) {  // as /dev/null
    return ::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

struct Fault {
    const char* name;
    bool (*make)(const QByteArray& folder, const QByteArray& path);  // false: it takes the superuser
    const char* pictureReason;
    const char* lessonReason;
};

const Fault kFaults[] = {
    {"FullDisk", onAFullDisk, "No space left on device", "the disk is full"},
    {"Folder", aFolder, "it is a folder", "it is a folder"},
    {"NamedPipe", aNamedPipe, "it is not a regular file", "it is not a regular file"},
    {"Device", aDevice, "it is not a regular file", "it is not a regular file"},
};

class SaveFault : public WindowTest, public ::testing::WithParamInterface<std::tuple<const char*, Fault>> {
protected:
    void TearDown() override { ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH); }

    // Each entry of the folder, with the bytes of a regular file.
    std::string contents() const {
        QStringList listing;
        for (const QFileInfo& entry :
             QDir(dir.path()).entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
            QFile file(entry.filePath());
            const bool regular = entry.isFile() && file.open(QIODevice::ReadOnly);
            listing << entry.fileName() + (regular ? ' ' + QString::number(qHash(file.readAll())) : QString());
        }
        return listing.join('\n').toStdString();
    }

    QString save(const QString& path) {
        if (path.endsWith(".png")) return savePicture(canvas(), path);
        try {
            writeLessonFile(nativePath(path), "{}");
            return {};
        } catch (const LessonError& e) {
            return QString::fromStdString(e.what());
        }
    }

    QTemporaryDir dir;
};

TEST_P(SaveFault, SaysWhyAndChangesNothing) {
    const auto& [name, fault] = GetParam();
    const QString path = dir.filePath(name);
    if (!fault.make(QFile::encodeName(dir.path()), QFile::encodeName(path))) GTEST_SKIP() << "it takes the superuser";
    const std::string before = contents();
    const QString message = save(path);
    EXPECT_TRUE(message.contains(path.endsWith(".png") ? fault.pictureReason : fault.lessonReason)) << message.toStdString();
    EXPECT_EQ(contents(), before);
}

INSTANTIATE_TEST_SUITE_P(PictureAndLesson, SaveFault,
                         ::testing::Combine(::testing::Values("figure.png", "figure.fendrel"), ::testing::ValuesIn(kFaults)),
                         [](const auto& info) {
                             const bool picture = QString(std::get<0>(info.param)).endsWith(".png");
                             return std::get<1>(info.param).name + std::string(picture ? "Picture" : "Lesson");
                         });

}  // namespace
}  // namespace fendrel

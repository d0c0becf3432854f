// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture or a lesson saved where it cannot be: a message says why, and the folder stays
// exactly as it was, without waiting on a special file.
#include <sys/mount.h>

#include <cstdlib>

#include <QTemporaryDir>

#include "app/lesson.h"
#include "app/lesson_file.h"
#include "ui/picture/picture.h"
#include "window_test.h"

namespace fendrel {
namespace {

struct Fault {
    const char* name;
    const char* make;  // a shell command on {folder} and {file}; it fails where it takes the superuser
    const char* pictureReason;
    const char* lessonReason;
};

const Fault kFaults[] = {
    {"FullDisk",  // the old file on a small file system with no room left beside it
     "mount -t tmpfs -o size=64k tmpfs {folder} 2>/dev/null && printf kept >{file} && ! cat /dev/zero >{folder}/filler",
     "No space left on device", "the disk is full"},
    {"Folder", "mkdir {file}", "it is a folder", "it is a folder"},
    {"NamedPipe", "mkfifo {file}", "it is not a regular file", "it is not a regular file"},
    {"Device",  // as /dev/null
     "mknod {file} c 1 3 2>/dev/null", "it is not a regular file", "it is not a regular file"},
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
    const QString make = QString(fault.make).replace("{folder}", dir.path()).replace("{file}", path);
    if (std::system(make.toLocal8Bit().constData()) != 0) GTEST_SKIP() << "it takes the superuser";
    const std::string before = contents();
    const QString message = save(path);
    const char* reason = path.endsWith(".png") ? fault.pictureReason : fault.lessonReason;
    EXPECT_TRUE(message.contains(reason)) << message.toStdString();
    EXPECT_EQ(contents(), before);
}

INSTANTIATE_TEST_SUITE_P(PictureAndLesson, SaveFault,
                         ::testing::Combine(::testing::Values("figure.png", "figure.fendrel"),
                                            ::testing::ValuesIn(kFaults)),
                         [](const auto& info) {
                             const bool picture = QString(std::get<0>(info.param)).endsWith(".png");
                             return std::get<1>(info.param).name + std::string(picture ? "Picture" : "Lesson");
                         });

}  // namespace
}  // namespace fendrel

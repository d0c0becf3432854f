// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/examples.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

#include "model/translation.h"
#include "ui/base/qt_text.h"

namespace fendrel {

namespace {

struct Example {
    const char* file;   // made by the driver from data/examples/<name>.script
    const char* title;
};

// TRANSLATORS: the titles of the example lessons, as a teacher would name them.
constexpr Example kExamples[] = {
    {"perpendicular.fendrel", N_("Perpendicular Vectors: 3, 4, 5")},
    {"equal-at-120.fendrel", N_("Equal Magnitudes at 120\u00B0")},
    {"opposite.fendrel", N_("Opposite Vectors")},
    {"triangle.fendrel", N_("Head to Tail: the Triangle")},
    {"forces-to-scale.fendrel", N_("Forces to Scale: A = 30 N")},
    {"radians.fendrel", N_("Angles in Radians")},
    // TRANSLATORS: the example lessons with a task that the student solves.
    {"task-reach.fendrel", N_("Task: Make R 60 N at 30\u00B0")},
    {"task-balance.fendrel", N_("Task: Find B So That R = 0")},
    {"task-predict.fendrel", N_("Task: Predict R for Perpendicular A and B")},
};

// Beside the program, as installed (bin/ and share/) and as built.
QString examplesFolder() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/fendrel/examples/"); }

}  // namespace

void addExamples(QMenu& menu, const std::function<void(const QString&)>& open) {
    for (const Example& e : kExamples) {
        const QString path = QFileInfo(examplesFolder() + QString::fromUtf8(e.file)).absoluteFilePath();
        if (!QFileInfo::exists(path)) continue;
        QAction* item = menu.addAction(toQString(_(e.title)));
        QObject::connect(item, &QAction::triggered, item, [open, path] { open(path); });
    }
    menu.setEnabled(!menu.isEmpty());
}

}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The task bar of an example task: what it shows, what the task keeps from the student and
// hides, and checks answered in the real prompt, by Ctrl+Return on the figure and by the
// Check button.
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/lesson.h"
#include "app/lesson_file.h"
#include "modal_answer.h"
#include "window_test.h"

namespace fendrel {
namespace {

class TaskBarTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

QString text(QWidget& window, const char* name) { return window.findChild<QLabel*>(QString::fromLatin1(name))->text(); }

// Types the answer into the prompt Check opens.
ModalAnswer answer(const QString& typed) {
    return ModalAnswer([typed](QWidget& modal) {
        auto* prompt = qobject_cast<QInputDialog*>(&modal);
        ASSERT_NE(prompt, nullptr);
        EXPECT_EQ(prompt->labelText(), QStringLiteral("The magnitude of R:"));
        prompt->setTextValue(typed);
        prompt->accept();
    });
}

TEST_F(TaskBarTest, ThePredictExampleHidesRUntilCheckedRightAndKeepsTheFigureFromTheStudent) {
    QWidget& bar = *window.findChild<QWidget*>(QStringLiteral("task"));
    EXPECT_FALSE(bar.isVisible());
    menu("Examples").actions().back()->trigger();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(text(bar, "instruction"), toQString(window.state().task->text));
    QLabel& instruction = *bar.findChild<QLabel*>(QStringLiteral("instruction"));
    EXPECT_GT(instruction.fontInfo().pixelSize(), bar.fontInfo().pixelSize() * 1.4);
    // Large in presentation mode too, which enlarges the application's fonts.
    const QFont desktop = QApplication::font();
    QFont doubled = desktop;
    doubled.setPointSizeF(desktop.pointSizeF() * 2);
    const int before = instruction.fontInfo().pixelSize();
    QApplication::setFont(doubled);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationFontChange);
    EXPECT_GT(instruction.fontInfo().pixelSize(), before * 1.8);
    QApplication::setFont(desktop);
    EXPECT_TRUE(bar.findChild<QPushButton*>(QStringLiteral("reveal"))->isVisible());
    EXPECT_EQ(caption("SetR"), QStringLiteral("R= ?, ?\u00B0"));
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("values"))->findChildren<QLabel*>()[8]->text(), QStringLiteral("R= ?, ?\u00B0"));
    // Nothing is movable: the lock and entry items are disabled, though the locks stand as they were.
    EXPECT_FALSE(action("LockB").isEnabled());
    EXPECT_FALSE(action("SizeA").isEnabled());
    EXPECT_TRUE(window.state().menu(Menu::LockB).enabled);

    {
        const ModalAnswer typed = answer(QStringLiteral("4"));
        QTest::keyClick(&canvas(), Qt::Key_Return, Qt::ControlModifier);
        ASSERT_TRUE(typed.answered());
    }
    EXPECT_EQ(text(bar, "feedback"), QStringLiteral("The magnitude is too small."));
    EXPECT_EQ(text(bar, "attempts"), QStringLiteral("Attempts: 1"));
    {
        const ModalAnswer typed = answer(QStringLiteral("5"));
        bar.findChild<QPushButton*>(QStringLiteral("check"))->click();
        ASSERT_TRUE(typed.answered());
    }
    EXPECT_EQ(text(bar, "feedback"), QStringLiteral("The magnitude is right.\nSolved in 2 attempts."));
    EXPECT_EQ(caption("SetR"), QStringLiteral("R= 5, 53.13\u00B0"));
    EXPECT_FALSE(bar.findChild<QPushButton*>(QStringLiteral("check"))->isEnabled());
    EXPECT_TRUE(action("LockB").isEnabled());
}

// The teacher's side: the dialog takes R's values as shown for the goal, and writing the task
// is a step that Undo takes back.
TEST_F(TaskBarTest, ANewTaskFromTheFigureIsAStep) {
    const ModalAnswer written([](QWidget& modal) {
        auto* dialog = qobject_cast<QDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("text"))->setText(QStringLiteral("Keep R"));
        dialog->accept();
    });
    action("NewTask").trigger();
    ASSERT_TRUE(written.answered());
    ASSERT_TRUE(window.state().task.has_value());
    const Task& t = *window.state().task;
    EXPECT_EQ(t.text, "Keep R");
    EXPECT_EQ(t.goal.magnitude, 5304.49);
    EXPECT_EQ(t.goal.angle, 52.35);
    EXPECT_TRUE(t.movable[Vec::B] && !t.movable[Vec::A]);
    EXPECT_TRUE(window.findChild<QWidget*>(QStringLiteral("task"))->isVisible());
    action("Undo").trigger();
    EXPECT_FALSE(window.state().task.has_value());
    EXPECT_FALSE(window.findChild<QWidget*>(QStringLiteral("task"))->isVisible());
}

// Edit Task… left as it was keeps the task, its questions in their order: no step.
TEST_F(TaskBarTest, ATaskEditedWithoutChangesStaysAsItWas) {
    menu("Examples").actions().back()->trigger();
    const std::vector<PredictedQuantity> order{{Quantity::Direction, Vec::R}, {Quantity::Magnitude, Vec::R}};
    std::string text = lessonText(window.state(), std::nullopt);
    const std::string asked = "\"predict\": [\"magnitude R\"]";
    ASSERT_NE(text.find(asked), std::string::npos);
    text.replace(text.find(asked), asked.size(), "\"predict\": [\"direction R\", \"magnitude R\"]");
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("asked.fendrel"));
    writeLessonFile(path.toStdString(), text);
    window.openLesson(path);
    ASSERT_EQ(window.state().task->predict, order);
    const ModalAnswer unchanged([](QWidget& modal) { dynamic_cast<QDialog&>(modal).accept(); });
    action("EditTask").trigger();
    ASSERT_TRUE(unchanged.answered());
    EXPECT_EQ(window.state().task->predict, order);
    EXPECT_FALSE(window.isWindowModified());
}

}  // namespace
}  // namespace fendrel

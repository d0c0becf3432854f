// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

namespace fendrel {
namespace {

class EditMenuTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A left-button drag on the canvas through the given points, released at the last.
    void drag(std::initializer_list<QPointF> points) {
        mouse(canvas(), QEvent::MouseButtonPress, QPointF(100, 400), Qt::LeftButton, Qt::LeftButton);
        for (QPointF p : points) moveWith(Qt::LeftButton, p);
        mouse(canvas(), QEvent::MouseButtonRelease, *std::prev(points.end()), Qt::LeftButton, Qt::NoButton);
    }

    QPointF tipOfA() { return {window.state().line(Vec::A).x2, window.state().line(Vec::A).y2}; }

    void expectEnabled(bool undo, bool redo) {
        EXPECT_EQ(action("Undo").isEnabled(), undo);
        EXPECT_EQ(action("Redo").isEnabled(), redo);
    }
};

TEST_F(EditMenuTest, ADragIsOneStepThatTheKeysTakeBackAndPutBack) {
    const QPointF start = tipOfA();
    const QString caption = action("SetA").text();
    expectEnabled(false, false);

    drag({QPointF(300, 200), QPointF(400, 100)});
    const QPointF dragged = tipOfA();
    EXPECT_EQ(dragged, QPointF(6000, 1500));
    expectEnabled(true, false);

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(tipOfA(), start) << "the whole drag is undone at once";
    EXPECT_EQ(action("SetA").text(), caption);
    EXPECT_EQ(label("LabelA").pos(), px(start.x(), start.y()).toPoint());
    expectEnabled(false, true);

    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(tipOfA(), dragged);
    expectEnabled(true, false);

    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tipOfA(), dragged);
}

TEST_F(EditMenuTest, TheItemsUndoAMenuCommandAndANewStepDisablesRedo) {
    action("LockB").trigger();
    EXPECT_FALSE(menu("SetB").isEnabled());
    action("Undo").trigger();
    EXPECT_TRUE(menu("SetB").isEnabled());
    expectEnabled(false, true);

    drag({QPointF(400, 100)});
    expectEnabled(true, false);
    EXPECT_TRUE(menu("SetB").isEnabled());
}

}  // namespace
}  // namespace fendrel

// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The figure as assistive technology reads it in this process: the node "Vectors" with its
// three vectors, their descriptions and states, and the events that announce changes.
#include <algorithm>
#include <utility>
#include <vector>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QInputDialog>

#include "modal_answer.h"
#include "window_test.h"

namespace fendrel {
namespace {

struct Announcement {
    QAccessible::Event type;
    QString node;
    friend bool operator==(const Announcement&, const Announcement&) = default;
};

std::vector<Announcement>& announcements() {
    static std::vector<Announcement> seen;
    return seen;
}

void record(QAccessibleEvent* event) {
    QAccessibleInterface* node = event->accessibleInterface();
    if (node && node->text(QAccessible::Name).startsWith(QStringLiteral("Vector ")))
        announcements().push_back({event->type(), node->text(QAccessible::Name)});
}

class AccessibilityTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // The accessibility bus answers asynchronously; until then no event is sent at all.
        ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) << "accessibility stays off";
        previous_ = QAccessible::installUpdateHandler(&record);
        settle();
    }
    void TearDown() override { QAccessible::installUpdateHandler(previous_); }

    QAccessibleInterface& figure() { return *QAccessible::queryAccessibleInterface(&canvas()); }
    QAccessibleInterface& vector(int i) { return *figure().child(i); }
    QString description(int i) { return vector(i).text(QAccessible::Description); }

    // Lets the canvas repaint, then returns what was announced since the last call.
    std::vector<Announcement> settle() {
        QApplication::processEvents();
        QApplication::processEvents();
        return std::exchange(announcements(), {});
    }

    static long count(const std::vector<Announcement>& seen, QAccessible::Event type, const char* node) {
        return std::count(seen.begin(), seen.end(), Announcement{type, QString::fromUtf8(node)});
    }

private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(AccessibilityTest, CanvasIsTheNodeVectorsWithOneChildPerVector) {
    EXPECT_EQ(figure().role(), QAccessible::Canvas);
    EXPECT_EQ(figure().text(QAccessible::Name), QStringLiteral("Vectors"));
    ASSERT_EQ(figure().childCount(), 3);
    const QStringList names{"Vector A", "Vector B", "Vector R"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(vector(i).text(QAccessible::Name), names[i]);
        EXPECT_EQ(vector(i).parent(), &figure());
        EXPECT_EQ(figure().indexOfChild(&vector(i)), i);
        EXPECT_TRUE(QRect(canvas().mapToGlobal(QPoint(0, 0)), canvas().size()).intersects(vector(i).rect()));
    }
    EXPECT_EQ(description(0), QStringLiteral("A= 4200, 90°; Ax= 0; Ay= 4200"));
    EXPECT_EQ(description(1), QStringLiteral("B= 3240, 0°; Bx= 3240; By= 0"));
    EXPECT_EQ(description(2), QStringLiteral("R= 5304.49, 52.35°; Rx= 3240; Ry= 4200; locked"));
    // The labels are not separate nodes: the vectors speak for them.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(vector(i).childCount(), 0);
}

TEST_F(AccessibilityTest, SelectedVectorIsSelectedAndFocusedWhileTheCanvasHasTheFocus) {
    EXPECT_TRUE(vector(0).state().selected);
    EXPECT_TRUE(vector(0).state().focused);
    EXPECT_FALSE(vector(1).state().selected);
    EXPECT_EQ(figure().focusChild(), &vector(0));

    QTest::keyClick(&canvas(), Qt::Key_Tab);
    EXPECT_TRUE(vector(1).state().focused);
    EXPECT_FALSE(vector(0).state().selected);
    const auto seen = settle();
    EXPECT_EQ(count(seen, QAccessible::StateChanged, "Vector A"), 1);
    EXPECT_EQ(count(seen, QAccessible::StateChanged, "Vector B"), 1);
    EXPECT_EQ(count(seen, QAccessible::Focus, "Vector B"), 1);

    canvas().clearFocus();
    EXPECT_TRUE(vector(1).state().selected);
    EXPECT_FALSE(vector(1).state().focused);
    EXPECT_EQ(figure().focusChild(), nullptr);
}

TEST_F(AccessibilityTest, DescriptionsFollowTheMenusAndEachChangeIsAnnounced) {
    QTest::keyClick(&canvas(), Qt::Key_Right);
    EXPECT_EQ(description(0), caption("SetA") + "; " + caption("Ax") + "; " + caption("Ay"));
    EXPECT_EQ(description(0), QStringLiteral("A= 4201.71, 88.36°; Ax= 120; Ay= 4200"));
    auto seen = settle();
    EXPECT_EQ(count(seen, QAccessible::DescriptionChanged, "Vector A"), 1);
    EXPECT_EQ(count(seen, QAccessible::DescriptionChanged, "Vector R"), 1);
    EXPECT_EQ(count(seen, QAccessible::DescriptionChanged, "Vector B"), 0);

    // A lock changes no line, but two descriptions.
    action("LockB").trigger();
    EXPECT_TRUE(description(1).endsWith(QStringLiteral("; locked")));
    EXPECT_FALSE(description(2).endsWith(QStringLiteral("; locked")));
    seen = settle();
    EXPECT_EQ(count(seen, QAccessible::DescriptionChanged, "Vector B"), 1);
    EXPECT_EQ(count(seen, QAccessible::DescriptionChanged, "Vector R"), 1);

    // Nothing changed, nothing announced.
    action("Mode").trigger();
    QTest::keyClick(&canvas(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_TRUE(settle().empty());
}

TEST_F(AccessibilityTest, ADragFasterThanTheScreenIsAnnouncedOncePerRepaint) {
    mouse(canvas(), QEvent::MouseButtonPress, QPointF(100, 400), Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 10; ++i) moveWith(Qt::LeftButton, QPointF(300 + i, 100));
    EXPECT_TRUE(announcements().empty());  // nothing before the repaint
    const auto seen = settle();
    EXPECT_EQ(count(seen, QAccessible::DescriptionChanged, "Vector A"), 1);
    EXPECT_EQ(description(0), caption("SetA") + "; " + caption("Ax") + "; " + caption("Ay"));
    mouse(canvas(), QEvent::MouseButtonRelease, QPointF(309, 100), Qt::LeftButton, Qt::NoButton);
}

TEST_F(AccessibilityTest, ReferenceUnitsAreReadAsTheMenusShowThem) {
    {
        const ModalAnswer answer([](QWidget& modal) {
            auto* dialog = qobject_cast<QInputDialog*>(&modal);
            ASSERT_NE(dialog, nullptr);
            dialog->setTextValue(QStringLiteral("7"));
            dialog->accept();
        });
        action("cb").trigger();
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(description(1), QStringLiteral("B= 7, 0°; Bx= 7; By= 0"));
    EXPECT_EQ(description(0), caption("SetA") + "; " + caption("Ax") + "; " + caption("Ay"));
    const auto seen = settle();
    for (const char* node : {"Vector A", "Vector B", "Vector R"})
        EXPECT_EQ(count(seen, QAccessible::DescriptionChanged, node), 1) << node;
}

}  // namespace
}  // namespace fendrel

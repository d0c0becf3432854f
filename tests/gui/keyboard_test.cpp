// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window without a mouse: the canvas holds the keyboard focus and takes the figure's
// keys, the focus ring marks the selected label, F10, arrows, Enter and Escape reach every
// menu and dialog, and F1 lists every key there is.
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "modal_answer.h"
#include "ui/figure/canvas.h"
#include "ui/figure/key_mapping.h"
#include "ui/menus/keyboard_help.h"
#include "ui/menus/menu_bar_key.h"
#include "window_test.h"

namespace fendrel {
namespace {

class KeyboardTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget& ring() { return *canvas().findChild<QWidget*>(QStringLiteral("focusRing")); }

    // Some pixel of the ring's outline next to the label's top-left corner is white.
    bool ringPaintedAround(std::string_view labelName) {
        const QImage image = paintedCanvas();
        const QPoint corner = label(labelName).geometry().topLeft() - QPoint(1, 1);
        return image.pixelColor(corner) == QColor(Qt::white);
    }
};

TEST_F(KeyboardTest, CanvasHoldsTheFocusFromTheStartAndTakesItBackOnAClick) {
    EXPECT_EQ(QApplication::focusWidget(), &canvas());
    canvas().clearFocus();
    ASSERT_NE(QApplication::focusWidget(), &canvas());
    // A click on a label gives the focus to the canvas the label lies on.
    const QPoint onB = label("LabelB").mapTo(&window, QPoint(2, 2));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, onB);
    EXPECT_EQ(QApplication::focusWidget(), &canvas());
    EXPECT_EQ(window.state().vars.selected, Vec::B);
}

TEST_F(KeyboardTest, KeysOnTheCanvasRunTheFiguresHandlers) {
    QTest::keyClick(&canvas(), Qt::Key_Right);
    EXPECT_FLOAT_EQ(window.state().line(Vec::A).x2, 3840);
    EXPECT_EQ(caption("Ax"), QStringLiteral("Ax= 120"));
    EXPECT_EQ(label("LabelA").pos(), px(3840, 840).toPoint());

    QTest::keyClick(&canvas(), Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(window.state().line(Vec::A).y1, 5055);

    // Tab selects instead of moving the focus away.
    QTest::keyClick(&canvas(), Qt::Key_Tab);
    EXPECT_EQ(window.state().vars.selected, Vec::B);
    EXPECT_EQ(QApplication::focusWidget(), &canvas());
    QTest::keyClick(&canvas(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window.state().vars.selected, Vec::A);

    const FormState before = window.state();
    QTest::keyClick(&canvas(), Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(&canvas(), Qt::Key_A);
    EXPECT_EQ(window.state(), before);
}

TEST(KeyMapping, QtKeysBecomeTheFiguresKeys) {
    using N = Key::Name;
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        std::optional<Key> expected;
    };
    const Case cases[] = {
        {Qt::Key_Left, {}, Key{N::Left}},
        {Qt::Key_Up, Qt::ControlModifier, Key{N::Up, true, false}},
        {Qt::Key_Down, Qt::ShiftModifier | Qt::KeypadModifier, Key{N::Down, false, true}},
        {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, Key{N::Right, true, true}},
        {Qt::Key_Tab, {}, Key{N::Tab}},
        {Qt::Key_Tab, Qt::ShiftModifier, Key{N::Tab, false, true}},
        {Qt::Key_Backtab, Qt::ShiftModifier, Key{N::Tab, false, true}},
        {Qt::Key_Tab, Qt::ControlModifier, std::nullopt},
        {Qt::Key_Left, Qt::AltModifier, std::nullopt},
        {Qt::Key_Left, Qt::MetaModifier, std::nullopt},
        {Qt::Key_Return, {}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(keyFromQt(c.qtKey, c.modifiers), c.expected) << c.qtKey;
}

TEST_F(KeyboardTest, FocusRingMarksTheSelectedLabelWhileTheCanvasHasTheFocus) {
    ASSERT_TRUE(ring().isVisible());
    EXPECT_TRUE(ring().geometry().contains(label("LabelA").geometry()));
    EXPECT_TRUE(ringPaintedAround("LabelA"));
    EXPECT_FALSE(ringPaintedAround("LabelB"));

    QTest::keyClick(&canvas(), Qt::Key_Tab);
    EXPECT_TRUE(ring().geometry().contains(label("LabelB").geometry()));
    EXPECT_TRUE(ringPaintedAround("LabelB"));
    EXPECT_FALSE(ringPaintedAround("LabelA"));

    // The ring follows the label as the keys move it.
    QTest::keyClick(&canvas(), Qt::Key_Up);
    EXPECT_TRUE(ring().geometry().contains(label("LabelB").geometry()));

    canvas().clearFocus();
    EXPECT_FALSE(ring().isVisible());
    EXPECT_FALSE(ringPaintedAround("LabelB"));
    canvas().setFocus();
    EXPECT_TRUE(ring().isVisible());
}

TEST_F(KeyboardTest, F10OpensTheFirstMenuAndArrowsEnterAndEscapeWorkInIt) {
    QTest::keyClick(&canvas(), Qt::Key_F10);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_EQ(popup, &menu("File"));
    EXPECT_EQ(menu("File").activeAction(), &action("New"));
    QTest::keyClick(popup, Qt::Key_Right);
    popup = QApplication::activePopupWidget();
    ASSERT_EQ(popup, &menu("SetA"));
    for (int i = 0; i < 4; ++i) QTest::keyClick(popup, Qt::Key_Down);  // down to "Lock A"
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(window.state().enabled(Menu::SetA));

    // A's menu is locked now: the arrows pass over it.
    QTest::keyClick(&canvas(), Qt::Key_F10);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    popup = QApplication::activePopupWidget();
    ASSERT_EQ(popup, &menu("SetB"));
    QTest::keyClick(popup, Qt::Key_Right);
    ASSERT_EQ(QApplication::activePopupWidget(), &menu("SetR"));
    // One Escape leaves the bar and gives the keyboard back to the canvas.
    const FormState before = window.state();
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(window.menuBar()->activeAction(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), &canvas());
    EXPECT_EQ(window.state(), before);
}

TEST_F(KeyboardTest, NoShortcutActsWhileATitleWithoutItemsHoldsTheKeys) {
    QTest::keyClick(&canvas(), Qt::Key_Down);  // a move for Ctrl+Z to undo
    const FormState moved = window.state();
    QTest::keyClick(&canvas(), Qt::Key_F10);
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_EQ(window.menuBar()->activeAction(), &action("AngleMode"));
    QTest::keyClick(&canvas(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.state(), moved);
    QTest::keyClick(&canvas(), Qt::Key_Escape);
    QTest::keyClick(&canvas(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(window.state(), moved);
}

TEST_F(KeyboardTest, PromptTakesEnterToConfirmAndEscapeToCancel) {
    const auto typeThen = [](const char* text, Qt::Key key) {
        return ModalAnswer([text, key](QWidget& modal) {
            ASSERT_NE(qobject_cast<QInputDialog*>(&modal), nullptr);
            QWidget* field = modal.findChild<QLineEdit*>();
            ASSERT_NE(field, nullptr);
            QTest::keyClicks(field, text);
            QTest::keyClick(field, key);
        });
    };
    {
        const ModalAnswer answer = typeThen("2100", Qt::Key_Return);
        action("SizeA").trigger();
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(caption("SetA"), QStringLiteral("A= 2100, 90°"));
    const FormState typed = window.state();
    {
        const ModalAnswer answer = typeThen("999", Qt::Key_Escape);
        action("SizeA").trigger();
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(window.state(), typed);
}

TEST_F(KeyboardTest, MessageBoxClosesWithEnterOrEscape) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        const ModalAnswer answer([key](QWidget& modal) {
            ASSERT_NE(qobject_cast<QMessageBox*>(&modal), nullptr);
            QTest::keyClick(modal.focusWidget() ? modal.focusWidget() : &modal, key);
        });
        action("Info").trigger();
        EXPECT_TRUE(answer.answered()) << key;
    }
}

TEST_F(KeyboardTest, F1ListsEveryKeyOfTheFiguresTableAndEveryItemsShortcutOnce) {
    QStringList listed;
    for (const ShortcutGroup& group : keyboardShortcuts(*window.menuBar()))
        for (const ShortcutLine& line : group.lines) listed += line.keys;
    const auto shown = [](const QKeySequence& key) { return key.toString(QKeySequence::NativeText); };
    QStringList expected{shown(kMenuBarKey)};
    for (const KeyFacts& facts : kKeyFacts) {
        for (bool ctrl : {false, true})
            for (bool shift : {false, true})
                if (const Key key{facts.name, ctrl, shift}; isFigureKey(key)) {
                    const QKeyCombination qt = qtKeyOf(key);
                    EXPECT_EQ(keyFromQt(qt.key(), qt.keyboardModifiers()), key);
                    expected.append(shown(qt));
                }
        if (facts.dx != 0 || facts.dy != 0) expected.append(shown(QKeyCombination(Canvas::kPanModifier, qtKeyOf({facts.name}).key())));
    }
    for (const QAction* item : window.findChildren<QAction*>())
        for (const QKeySequence& key : item->shortcuts()) expected.append(shown(key));
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed, expected);

    const ModalAnswer answer([](QWidget& modal) { modal.close(); });
    QTest::keyClick(&canvas(), Qt::Key_F1);
    EXPECT_TRUE(answer.answered());
}

}  // namespace
}  // namespace fendrel

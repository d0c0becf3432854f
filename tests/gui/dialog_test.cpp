// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "modal_answer.h"
#include "window_test.h"

namespace fendrel {
namespace {

using DialogTest = WindowTest;

struct Prompt {
    QString label, title, text;
};

// Reads the input dialog, then types `reply` and accepts, or cancels when there is none.
ModalAnswer answerPrompt(Prompt& seen, std::optional<QString> reply) {
    return ModalAnswer([&seen, reply](QWidget& modal) {
        auto* dialog = qobject_cast<QInputDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        seen = {dialog->labelText(), dialog->windowTitle(), dialog->textValue()};
        if (reply) {
            dialog->setTextValue(*reply);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

TEST_F(DialogTest, MagnitudePromptAcceptedMovesTheTipAndCancelLeavesAll) {
    Prompt seen;
    {
        const ModalAnswer answer = answerPrompt(seen, QStringLiteral("2100"));
        action("SizeA").trigger();
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(seen.label, QStringLiteral("Current value : 4200"));
    EXPECT_EQ(seen.title, QStringLiteral("Vector A"));
    EXPECT_EQ(seen.text, QString());
    EXPECT_FLOAT_EQ(window.state().line(Vec::A).y2, 2940);
    EXPECT_EQ(caption("SetA"), QStringLiteral("A= 2100, 90°"));
    EXPECT_EQ(label("LabelA").pos(), QPoint(248, 196));

    const FormState edited = window.state();
    {
        const ModalAnswer answer = answerPrompt(seen, std::nullopt);
        action("SizeA").trigger();
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(seen.label, QStringLiteral("Current value : 2100"));
    EXPECT_EQ(window.state(), edited);
}

TEST_F(DialogTest, ConstantPromptTurnsTheReferenceWhite) {
    Prompt seen;
    {
        const ModalAnswer answer = answerPrompt(seen, QStringLiteral("5"));
        action("ca").trigger();
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(seen.label, QStringLiteral("Constant value <>0"));
    EXPECT_TRUE(action("ca").isChecked());
    EXPECT_EQ(label("LabelA").text(), QStringLiteral("5"));
    EXPECT_TRUE(colourNear(paintedCanvas(), px(3720, 2940), Qt::white));
    EXPECT_TRUE(caption("SetA").startsWith(QStringLiteral("A= 5,")));

    // Cancelling the prompt of another constant item leaves every mark as it was.
    {
        const ModalAnswer answer = answerPrompt(seen, std::nullopt);
        action("cb").trigger();
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_TRUE(action("ca").isChecked());
    EXPECT_FALSE(action("cb").isChecked());
}

struct Message {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    Qt::TextInteractionFlags interaction;
};

ModalAnswer readAndClose(Message& seen) {
    return ModalAnswer([&seen](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        seen = {box->text(), box->windowTitle(), box->icon(), static_cast<int>(box->buttons().size()),
                box->textInteractionFlags()};
        box->button(QMessageBox::Ok)->click();
    });
}

TEST_F(DialogTest, ReportsShowTheirLinesInMessageBoxes) {
    const FormState start = window.state();
    Message seen;
    {
        const ModalAnswer answer = readAndClose(seen);
        QTest::mouseClick(window.menuBar(), Qt::LeftButton, {},
                          window.menuBar()->actionGeometry(&action("Products")).center());
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(seen.title, QStringLiteral("PRODUCTS"));
    EXPECT_TRUE(seen.text.startsWith(QStringLiteral("\nA x B x Cos(AB)=  4200 x  3240 x Cos( 90°)= ")))
        << seen.text.toStdString();
    EXPECT_EQ(seen.text.count(QLatin1Char('\n')), 8);
    EXPECT_FALSE(seen.text.contains(QLatin1Char('\r')));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_TRUE(seen.interaction.testFlag(Qt::TextSelectableByMouse));
    EXPECT_EQ(window.state(), start);

    {
        const ModalAnswer answer = readAndClose(seen);
        action("Info").trigger();
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(seen.title, QStringLiteral("INFO"));
    EXPECT_TRUE(seen.text.startsWith(QStringLiteral("Fendrel was made by ")));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, 1);
}

TEST_F(DialogTest, LockedMenuCannotBeChosenAndLockingMovesIt) {
    action("LockA").trigger();
    EXPECT_FALSE(menu("SetA").isEnabled());
    EXPECT_TRUE(menu("SetR").isEnabled());
    EXPECT_FALSE(action("LockA").isChecked());

    // Mode items keep exactly one mark, whatever Qt toggled on the trigger.
    action("ModeA").trigger();
    EXPECT_TRUE(action("ModeA").isChecked());
    action("ModeB").trigger();
    EXPECT_TRUE(action("ModeB").isChecked());
    EXPECT_FALSE(action("ModeA").isChecked());
    EXPECT_TRUE(colourNear(paintedCanvas(), px(3720 + 1620, 840), kColourB));  // B from A's tip to R's tip
}

TEST_F(DialogTest, TypedLengthNearTheCoordinateLimitPaintsAndTypesBack) {
    auto typeLength = [&](const QString& reply) {
        Prompt seen;
        const ModalAnswer answer = answerPrompt(seen, reply);
        action("SizeA").trigger();
        ASSERT_TRUE(answer.answered());
    };
    auto noCaptionShowsAnOverflow = [&] {
        for (QAction* a : window.findChildren<QAction*>())
            for (const char* bad : {"inf", "nan", "Infinity", "NaN"}) EXPECT_FALSE(a->text().contains(QLatin1String(bad))) << a->text().toStdString();
        for (QLabel* l : canvas().findChildren<QLabel*>()) EXPECT_EQ(l->text().size(), 1 + (l->objectName() == "LabelR"));
    };

    typeLength(QStringLiteral("9999000"));  // A's tip lands 9,993,960 units above the window
    ASSERT_FLOAT_EQ(window.state().line(Vec::A).y2, 5040 - 9999000);
    QElapsedTimer clock;
    clock.start();
    const QImage image = paintedCanvas();
    EXPECT_LT(clock.elapsed(), 1000);
    // R, painted last, runs within a pixel of A all the way up the window.
    EXPECT_TRUE(colourNear(image, px(3720, 2000), kColourR));
    EXPECT_TRUE(colourNear(image, px(3720, 100), kColourR));
    EXPECT_EQ(caption("SetA"), QStringLiteral("A= 9999000, 90°"));
    noCaptionShowsAnOverflow();

    const FormState far = window.state();
    typeLength(QStringLiteral("20000000"));  // beyond the limit: refused without a trace
    EXPECT_EQ(window.state(), far);

    typeLength(QStringLiteral("2000"));
    EXPECT_FLOAT_EQ(window.state().line(Vec::A).y2, 3040);
    EXPECT_EQ(caption("SetA"), QStringLiteral("A= 2000, 90°"));
    noCaptionShowsAnOverflow();
}

}  // namespace
}  // namespace fendrel

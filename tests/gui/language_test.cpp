// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window in German: its own menus from the catalogue, Qt's buttons from Qt's translations.
#include <QMessageBox>
#include <QPushButton>

#include "modal_answer.h"
#include "ui/window/language.h"
#include "window_test.h"

namespace fendrel {
namespace {

// Speaks German before the window is made, and English again once it is gone.
struct SpeakingGerman {
    SpeakingGerman() { EXPECT_TRUE(speak("de")); }
    ~SpeakingGerman() { speak("C"); }
};

class GermanWindowTest : public SpeakingGerman, public WindowTest {};

TEST_F(GermanWindowTest, ShowsGermanMenusDecimalCommasAndQtsGermanButtons) {
    EXPECT_EQ(menu("File").title(), QStringLiteral("Datei"));
    EXPECT_EQ(menu("Edit").title(), QStringLiteral("Bearbeiten"));
    EXPECT_EQ(menu("View").title(), QStringLiteral("Ansicht"));
    EXPECT_EQ(caption("LockA"), QStringLiteral("A sperren"));
    EXPECT_EQ(caption("AngleMode"), QStringLiteral("Grad"));
    moveWith(Qt::LeftButton, px(5000, 2000));  // A to (5000, 2000): 3298.48 long at 67.17°
    EXPECT_EQ(caption("SetA"), QStringLiteral("A= 3298,48; 67,17°"));

    QStringList buttons;
    {
        const ModalAnswer answer([&buttons](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(box, nullptr);
            for (auto b : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel}) buttons << box->button(b)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        action("New").trigger();  // the drag is not saved: asks first
        ASSERT_TRUE(answer.answered());
    }
    EXPECT_EQ(buttons, QStringList({"Speichern", "Verwerfen", "Abbrechen"}));
}

}  // namespace
}  // namespace fendrel

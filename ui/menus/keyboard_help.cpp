// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menus/keyboard_help.h"

#include <algorithm>

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "interaction/key_help.h"
#include "model/translation.h"
#include "ui/base/qt_text.h"
#include "ui/figure/canvas.h"
#include "ui/figure/key_mapping.h"
#include "ui/menus/menu_bar_key.h"

namespace fendrel {

namespace {

QString shown(const QKeySequence& keys) { return keys.toString(QKeySequence::NativeText); }

// Keys that do the same go on one line.
void addLine(ShortcutGroup& group, const QString& keys, const QString& does) {
    for (ShortcutLine& line : group.lines)
        if (line.does == does) {
            line.keys.append(keys);
            return;
        }
    group.lines.append({{keys}, does});
}

// The keys of the canvas: the figure's, and its arrows with Alt, which pan the view.
ShortcutGroup figureKeys() {
    // TRANSLATORS: the groups of the keyboard help: the keys of the figure (while it has the
    // keyboard focus) and of the menu bar.
    ShortcutGroup group{toQString(_("Figure")), {}};
    for (const Key& key : everyFigureKey()) addLine(group, shown(qtKeyOf(key)), toQString(whatTheKeyDoes(key)));
    for (const Key& key : everyFigureKey())
        if (const QKeyCombination qt = qtKeyOf(key); !key.ctrl && !key.shift && arrowFromQt(qt.key()))
            addLine(group, shown(QKeyCombination(Canvas::kPanModifier, qt.key())),
                    toQString(_("Scrolls the view an eighth of the window in the arrow's direction")));
    return group;
}

// A menu's items that have keys, those of its submenus too ("Open Recent › …").
void addItemKeys(ShortcutGroup& group, const QMenu& menu, const QString& path) {
    for (const QAction* item : menu.actions()) {
        const QString name = path.isEmpty() ? item->text() : path + QStringLiteral(" \u203A ") + item->text();
        if (item->menu()) addItemKeys(group, *item->menu(), name);
        QStringList keys;
        for (const QKeySequence& key : item->shortcuts()) keys.append(shown(key));
        if (!keys.isEmpty()) group.lines.append({keys, name});
    }
}

}  // namespace

QList<ShortcutGroup> keyboardShortcuts(const QMenuBar& bar) {
    QList<ShortcutGroup> groups{figureKeys()};
    // TRANSLATORS: the group of the menu bar's own key (F10) in the keyboard help.
    groups.append({toQString(_("Menu Bar")),
                   {{{shown(kMenuBarKey)},
                     toQString(_("Opens the first menu; the arrows move through the menus, Enter chooses, Escape leaves"))}}});
    for (const QAction* title : bar.actions()) {
        if (!title->menu()) continue;
        ShortcutGroup group{title->text(), {}};
        addItemKeys(group, *title->menu(), {});
        if (!group.lines.isEmpty()) groups.append(group);
    }
    return groups;
}

void showKeyboardShortcuts(QWidget& window, const QMenuBar& bar) {
    QDialog dialog(&window);
    dialog.setObjectName(QStringLiteral("KeyboardShortcuts"));
    // TRANSLATORS: the title of the dialog that lists every key, as the Help menu names it.
    dialog.setWindowTitle(toQString(_("Keyboard Shortcuts")));
    auto* list = new QTreeWidget(&dialog);
    // TRANSLATORS: the headings of the keyboard help's two columns.
    list->setHeaderLabels({toQString(_("Keys")), toQString(_("What they do"))});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    // Wide enough for every line, and as high as the screen has room for.
    const QFontMetrics metrics(list->font());
    int keysWidth = 0, doesWidth = 0, rows = 1;
    for (const ShortcutGroup& group : keyboardShortcuts(bar)) {
        auto* heading = new QTreeWidgetItem(list, {group.title});
        QFont bold = heading->font(0);
        bold.setBold(true);
        heading->setFont(0, bold);
        heading->setFirstColumnSpanned(true);
        // Each key on a line of its own, beside what they do.
        for (const ShortcutLine& line : group.lines) {
            new QTreeWidgetItem(heading, {line.keys.join(QLatin1Char('\n')), line.does});
            for (const QString& key : line.keys) keysWidth = std::max(keysWidth, list->indentation() + metrics.horizontalAdvance(key));
            doesWidth = std::max(doesWidth, metrics.horizontalAdvance(line.does));
            rows += static_cast<int>(line.keys.size());
        }
        ++rows;
    }
    list->expandAll();
    const int margin = 2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + metrics.averageCharWidth();
    list->setColumnWidth(0, keysWidth + margin);
    const QSize whole(keysWidth + doesWidth + 2 * margin + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                      rows * (metrics.height() + 4) + 2 * list->frameWidth());
    list->setMinimumSize(whole.boundedTo(window.screen()->availableSize() * 0.9));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* column = new QVBoxLayout(&dialog);
    column->addWidget(list);
    column->addWidget(buttons);
    dialog.exec();
}

}  // namespace fendrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

namespace vorn::test {

// How much of each item a menu line shows.
enum class MenuDetail {
    texts,        // the item's texts; separators left out
    textsAndState // also "  --" for a separator and " (disabled)" after a disabled item
};

// Every menu title and item of the bar with its prompt and tooltip, one a line.
inline QStringList menuTexts(const QMenuBar& bar, MenuDetail detail = MenuDetail::texts) {
    const bool withState = detail == MenuDetail::textsAndState;
    QStringList lines;
    for (QAction* top : bar.actions()) {
        lines << top->text();
        for (QAction* item : top->menu()->actions()) {
            if (item->isSeparator()) {
                if (withState)
                    lines << "  --";
                continue;
            }
            lines << "  " + item->text() + " | " + item->statusTip() + " | " + item->toolTip() +
                         (withState && !item->isEnabled() ? " (disabled)" : "");
        }
    }
    return lines;
}

} // namespace vorn::test

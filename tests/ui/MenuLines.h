// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

namespace vorn::test {

// Every menu title and item of the bar with its prompt and tooltip, one a line.
inline QStringList menuTexts(const QMenuBar& bar) {
    QStringList lines;
    for (QAction* top : bar.actions()) {
        lines << top->text();
        for (QAction* item : top->menu()->actions())
            if (!item->isSeparator())
                lines << "  " + item->text() + " | " + item->statusTip() + " | " + item->toolTip();
    }
    return lines;
}

} // namespace vorn::test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>

namespace vorn::test {

// Counts the paint events of the widget it is installed on as an event filter.
struct PaintCounter : QObject {
    explicit PaintCounter(int& count)
        : count_(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
        count_ += event->type() == QEvent::Paint;
        return false;
    }
    int& count_;
};

} // namespace vorn::test

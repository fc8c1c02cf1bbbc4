// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditingState.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(EditingState, ResetsKeepOrClearTheModesAsTheirEventsSay) {
    EditingState state;
    EXPECT_TRUE(std::ranges::all_of(state.keyIsAscii, [](bool b) { return b; }));
    EXPECT_EQ(std::ranges::count(state.slotHighlight, true), 1);
    EXPECT_TRUE(state.slotHighlight[0]);

    state.selectedSlot = 7;
    state.highlightOnly(7);
    state.caretIndex = state.caretDisplayIndex = state.caretColumn = 3;
    state.escPending = state.shiftHeld = true;
    state.keyIsAscii[5] = false;
    state.decimalDisplay = state.invalidTextWarning = true;

    state.resetForDocumentUpdate(42);
    EXPECT_EQ(state.selectedSlot, 0);
    EXPECT_EQ(state.selectedKey, 42);
    EXPECT_TRUE(state.slotHighlight[0]);
    EXPECT_FALSE(state.slotHighlight[7]);
    EXPECT_EQ(state.caretIndex + state.caretDisplayIndex + state.caretColumn, 0);
    EXPECT_FALSE(state.escPending || state.shiftHeld);
    EXPECT_FALSE(state.keyIsAscii[5]);
    EXPECT_TRUE(state.decimalDisplay && state.invalidTextWarning);

    state.resetForInitialUpdate(42);
    EXPECT_TRUE(state.keyIsAscii[5]);
    EXPECT_FALSE(state.decimalDisplay || state.invalidTextWarning);
}

} // namespace
} // namespace vorn

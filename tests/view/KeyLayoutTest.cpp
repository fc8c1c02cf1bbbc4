#include "view/KeyLayout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace vorn {
namespace {

struct ModelCase {
    int id;
    int keyCount;
    int enterUpperSlot; // -1: no L-shaped Enter key
};

constexpr ModelCase models[] = {
    {2013, 124, 28}, {2014, 122, 28}, {2015, 134, 28}, {2016, 67, -1},
    {2017, 17, -1},  {2018, 176, -1}, {2019, 22, -1},
};

int left(const KeyLayout& l, int s) {
    return l.neighbour(Direction::left, s);
}
int right(const KeyLayout& l, int s) {
    return l.neighbour(Direction::right, s);
}
int up(const KeyLayout& l, int s) {
    return l.neighbour(Direction::up, s);
}
int down(const KeyLayout& l, int s) {
    return l.neighbour(Direction::down, s);
}

TEST(KeyLayout, EveryCapLiesInsideTheFrameWithoutOverlapping) {
    for (const ModelCase& m : models) {
        const KeyLayout l(m.id);
        ASSERT_EQ(l.keyCount(), m.keyCount) << m.id;
        for (int s = 0; s < l.keyCount(); ++s) {
            const auto [x, y] = l.slotPos()[s];
            const auto [w, h] = l.slotSize()[s];
            EXPECT_GT(w, 0) << m.id << " slot " << s;
            EXPECT_GT(h, 0) << m.id << " slot " << s;
            EXPECT_TRUE(x >= 50 && y >= 50 && x + w <= 709 && y + h <= 285)
                << m.id << " slot " << s;
            EXPECT_TRUE(l.slotKey()[s] >= 0 && l.slotKey()[s] < 176) << m.id << " slot " << s;
            for (int t = 0; t < s; ++t) {
                const auto [tx, ty] = l.slotPos()[t];
                const auto [tw, th] = l.slotSize()[t];
                EXPECT_FALSE(x < tx + tw && tx < x + w && y < ty + th && ty < y + h)
                    << m.id << " slots " << t << " and " << s << " overlap";
            }
        }
    }
}

TEST(KeyLayout, EachSlotShowsItsOwnKeyExceptTheEnterKeysTwoParts) {
    for (const ModelCase& m : models) {
        const KeyLayout l(m.id);
        std::set<int> keys;
        for (int s = 0; s < l.keyCount(); ++s)
            if (s != m.enterUpperSlot) {
                EXPECT_TRUE(keys.insert(l.slotKey()[s]).second) << m.id << " slot " << s;
            }
        if (m.enterUpperSlot < 0)
            continue;
        // The two parts of the Enter key share their right edge.
        EXPECT_EQ(l.slotPos()[28].x + l.slotSize()[28].w, l.slotPos()[41].x + l.slotSize()[41].w);
        EXPECT_EQ(l.slotSize()[28], (KeyCapSize{40, 30}));
    }
    EXPECT_EQ(KeyLayout(2014).slotKey()[28], 81);
    EXPECT_EQ(KeyLayout(2014).slotKey()[41], 81);
    EXPECT_EQ(KeyLayout(2015).slotKey()[28], 14);
    EXPECT_EQ(KeyLayout(2015).slotKey()[41], 14);
    EXPECT_EQ(KeyLayout(2013).slotKey()[28], 28);
    EXPECT_EQ(KeyLayout(2013).slotKey()[41], 51);
    EXPECT_EQ(KeyLayout(2013).slotKey()[123], 160);
}

TEST(KeyLayout, SpotValuesOfTheTables) {
    const KeyLayout vq5040(2013);
    EXPECT_EQ(vq5040.slotPos()[57], (KeyCapPos{175, 260}));
    EXPECT_EQ(vq5040.slotSize()[57], (KeyCapSize{207, 25}));
    EXPECT_EQ(vq5040.slotPos()[113], (KeyCapPos{675, 80}));
    const KeyLayout vq2930(2015);
    EXPECT_EQ(vq2930.slotPos()[71], (KeyCapPos{682, 230}));
    EXPECT_EQ(vq2930.slotSize()[71], (KeyCapSize{27, 55}));
    EXPECT_EQ(vq2930.slotKey()[133], 160);
    const KeyLayout tr6080(2016);
    EXPECT_EQ(tr6080.slotPos()[6], (KeyCapPos{370, 95}));
    EXPECT_EQ(tr6080.slotSize()[6], (KeyCapSize{45, 30}));
    EXPECT_EQ(tr6080.slotKey()[66], 113);
    const KeyLayout tr4060(2018);
    EXPECT_EQ(tr4060.slotPos()[9], (KeyCapPos{80, 80}));
    EXPECT_EQ(tr4060.slotKey()[175], 175);
    EXPECT_EQ(KeyLayout(2017).slotPos()[5], (KeyCapPos{565, 130}));
    EXPECT_EQ(KeyLayout(2019).slotKey()[21], 100);
}

TEST(KeyLayout, UnknownModelsGetTheVq5040Layout) {
    const KeyLayout unknown(2020);
    const KeyLayout vq5040(2013);
    EXPECT_EQ(unknown.modelId(), 2020);
    EXPECT_EQ(unknown.keyCount(), 124);
    EXPECT_EQ(unknown.slotKey(), vq5040.slotKey());
    EXPECT_EQ(unknown.slotPos(), vq5040.slotPos());
    for (int s = 0; s < 124; ++s)
        EXPECT_EQ(up(unknown, s), up(vq5040, s));
}

TEST(KeyLayout, ASmallerModelLeavesTheSlotsBeyondItsKeys) {
    KeyLayout l(2013);
    const auto keys = l.slotKey();
    const auto pos = l.slotPos();
    l.apply(2017);
    EXPECT_EQ(l.keyCount(), 17);
    EXPECT_TRUE(std::equal(keys.begin() + 17, keys.end(), l.slotKey().begin() + 17));
    EXPECT_TRUE(std::equal(pos.begin() + 17, pos.end(), l.slotPos().begin() + 17));
}

TEST(KeyLayout, LookupsOutsideTheSlotsGiveSlotZero) {
    for (const ModelCase& m : models) {
        const KeyLayout l(m.id);
        for (const Direction d :
             {Direction::left, Direction::right, Direction::up, Direction::down}) {
            EXPECT_EQ(l.neighbour(d, -1), 0);
            EXPECT_EQ(l.neighbour(d, m.keyCount), 0);
            EXPECT_EQ(l.neighbour(d, 1000), 0);
        }
    }
}

TEST(KeyLayout, NeighboursStayInsideAndAvoidTheEnterKeysUpperPart) {
    for (const ModelCase& m : models) {
        const KeyLayout l(m.id);
        for (int s = 0; s < l.keyCount(); ++s) {
            for (const int t : {left(l, s), right(l, s), up(l, s), down(l, s)}) {
                EXPECT_TRUE(t >= 0 && t < l.keyCount()) << m.id << " slot " << s;
                if (s != m.enterUpperSlot) {
                    EXPECT_NE(t, m.enterUpperSlot) << m.id << " slot " << s;
                }
            }
        }
    }
}

// Walking right from any slot visits its whole row left to right and comes back; walking left
// undoes it.
TEST(KeyLayout, LeftAndRightRingEachRow) {
    for (const ModelCase& m : models) {
        const KeyLayout l(m.id);
        for (int s = 0; s < l.keyCount(); ++s) {
            if (s == m.enterUpperSlot)
                continue;
            EXPECT_EQ(left(l, right(l, s)), s) << m.id << " slot " << s;
            const int y = l.slotPos()[s].y;
            const bool joined = m.id == 2013 && (y == 95 || y == 80);
            std::set<int> expected;
            for (int t = 0; t < l.keyCount(); ++t) {
                const int ty = l.slotPos()[t].y;
                if (t != m.enterUpperSlot && (joined ? ty == 95 || ty == 80 : ty == y))
                    expected.insert(t);
            }
            std::set<int> visited;
            int at = s;
            int wraps = 0;
            do {
                visited.insert(at);
                const int next = right(l, at);
                const bool sameRow = l.slotPos()[next].y == l.slotPos()[at].y;
                if (!sameRow || l.slotPos()[next].x <= l.slotPos()[at].x)
                    ++wraps;
                at = next;
            } while (at != s && visited.size() <= expected.size());
            EXPECT_EQ(at, s) << m.id << " slot " << s;
            EXPECT_EQ(visited, expected) << m.id << " slot " << s;
            EXPECT_EQ(wraps, joined ? 2 : 1) << m.id << " slot " << s;
        }
    }
}

TEST(KeyLayout, LeftAndRightExamples) {
    const KeyLayout vq5040(2013);
    EXPECT_EQ(left(vq5040, 0), 119);
    EXPECT_EQ(right(vq5040, 119), 0);
    EXPECT_EQ(right(vq5040, 27), 65); // over the Enter key's upper part
    EXPECT_EQ(left(vq5040, 65), 27);
    EXPECT_EQ(right(vq5040, 94), 111);
    EXPECT_EQ(right(vq5040, 113), 77);
    EXPECT_EQ(left(vq5040, 77), 113);
    EXPECT_EQ(left(vq5040, 111), 94);
    EXPECT_EQ(left(vq5040, 28), 27);
    EXPECT_EQ(right(vq5040, 28), 65);
    EXPECT_EQ(right(KeyLayout(2014), 27), 75);
    EXPECT_EQ(right(KeyLayout(2015), 27), 75);
    const KeyLayout tr3570(2019);
    EXPECT_EQ(left(tr3570, 0), 21);
    EXPECT_EQ(right(tr3570, 5), 17);
    const KeyLayout tr6080(2016);
    EXPECT_EQ(left(tr6080, 66), 66); // alone in its row
    EXPECT_EQ(right(tr6080, 4), 5);
}

TEST(KeyLayout, UpAndDownFollowTheTellingRows) {
    const KeyLayout vq5040(2013);
    EXPECT_EQ(up(vq5040, 0), 77);
    EXPECT_EQ(up(vq5040, 77), 123);
    EXPECT_EQ(up(vq5040, 123), 54);
    EXPECT_EQ(up(vq5040, 79), 55);
    EXPECT_EQ(down(vq5040, 13), 41);
    EXPECT_EQ(down(vq5040, 14), 41);
    for (int s = 45; s <= 50; ++s)
        EXPECT_EQ(down(vq5040, s), 57) << s;
    for (int s = 54; s <= 57; ++s)
        EXPECT_EQ(down(vq5040, s), s + 23) << s;
    for (int s = 58; s <= 61; ++s)
        EXPECT_EQ(down(vq5040, s), s + 43) << s;

    const KeyLayout tr3050(2017);
    const std::pair<int, int> tr3050Moves[] = {{0, 6}, {1, 8}, {6, 0},  {7, 0},
                                               {8, 1}, {9, 1}, {10, 2}, {11, 2}};
    for (const auto& [from, to] : tr3050Moves) {
        EXPECT_EQ(up(tr3050, from), to) << from;
        EXPECT_EQ(down(tr3050, from), to) << from;
    }
    for (const int id : {2017, 2019}) {
        const KeyLayout l(id);
        for (int s = 0; s < l.keyCount(); ++s)
            EXPECT_EQ(up(l, s), down(l, s)) << id << " slot " << s;
    }
}

TEST(KeyLayout, Tr4060MovesWithinItsColumn) {
    const KeyLayout l(2018);
    for (int s = 0; s < 176; ++s) {
        const int row = s % 8;
        EXPECT_EQ(up(l, s), row == 0 ? s + 7 : s - 1) << s;
        EXPECT_EQ(down(l, s), row == 7 ? s - 7 : s + 1) << s;
        EXPECT_EQ(l.slotPos()[up(l, s)].x, l.slotPos()[s].x);
    }
}

// Up and down targets lie in another row, over or under the key where the rows line up.
TEST(KeyLayout, UpAndDownMoveToAnotherRow) {
    for (const ModelCase& m : models) {
        const KeyLayout l(m.id);
        for (int s = 0; s < l.keyCount(); ++s) {
            if (s == m.enterUpperSlot)
                continue;
            EXPECT_NE(l.slotPos()[up(l, s)].y, l.slotPos()[s].y) << m.id << " slot " << s;
            EXPECT_NE(l.slotPos()[down(l, s)].y, l.slotPos()[s].y) << m.id << " slot " << s;
        }
    }
}

} // namespace
} // namespace vorn

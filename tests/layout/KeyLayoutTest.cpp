// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/KeyLayout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <span>
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

// Each model's key caps, slot keys and up and down moves as its tables list them, slot 0 first.
struct CapRow {
    int first; // slots first to last, at x + step * k for the k-th of them
    int last;
    int x;
    int step;
    int y;
    int w;
    int h;
};

constexpr CapRow vq5040Caps[] = {{0, 14, 55, 30, 140, 27, 25},     {15, 15, 55, 0, 170, 44, 25},
                                 {16, 27, 102, 30, 170, 27, 25},   {28, 28, 462, 0, 170, 40, 30},
                                 {29, 29, 55, 0, 200, 57, 25},     {30, 40, 115, 30, 200, 27, 25},
                                 {41, 41, 445, 0, 200, 57, 25},    {42, 42, 55, 0, 230, 72, 25},
                                 {43, 52, 130, 30, 230, 27, 25},   {53, 53, 430, 0, 230, 72, 25},
                                 {54, 54, 55, 0, 260, 42, 25},     {55, 55, 100, 0, 260, 27, 25},
                                 {56, 56, 130, 0, 260, 42, 25},    {57, 57, 175, 0, 260, 207, 25},
                                 {58, 61, 385, 30, 260, 27, 25},   {62, 64, 515, 30, 140, 27, 25},
                                 {65, 67, 515, 30, 170, 27, 25},   {68, 70, 515, 30, 200, 27, 25},
                                 {71, 73, 515, 30, 230, 27, 25},   {74, 76, 515, 30, 260, 27, 25},
                                 {77, 91, 55, 30, 95, 27, 25},     {92, 94, 515, 30, 95, 27, 25},
                                 {95, 104, 205, 30, 50, 27, 25},   {105, 107, 515, 30, 50, 27, 25},
                                 {108, 110, 615, 30, 50, 27, 25},  {111, 113, 615, 30, 80, 27, 25},
                                 {114, 116, 615, 30, 110, 27, 25}, {117, 119, 615, 30, 140, 27, 25},
                                 {120, 122, 615, 30, 170, 27, 25}, {123, 123, 55, 0, 50, 57, 25}};
constexpr int vq5040SlotKey[] = {
    13,  143, 135, 134, 133, 7,   6,   132, 131, 130, 136, 17,  5,   87,  110, 100, 118, 117,
    116, 115, 97,  96,  114, 113, 112, 122, 108, 88,  28,  99,  82,  81,  80,  72,  58,  59,
    73,  74,  75,  94,  71,  51,  91,  41,  42,  43,  44,  30,  31,  45,  46,  47,  35,  77,
    12,  106, 70,  68,  34,  93,  22,  40,  50,  25,  104, 125, 126, 127, 111, 103, 102, 86,
    85,  84,  67,  66,  76,  64,  14,  15,  98,  57,  142, 60,  89,  4,   8,   138, 69,  33,
    61,  54,  63,  128, 38,  65,  79,  18,  36,  16,  137, 107, 0,   32,  9,   139, 52,  123,
    105, 83,  95,  20,  119, 24,  26,  101, 140, 55,  120, 37,  92,  1,   109, 160};
constexpr int vq5040Up[] = {
    77,  78,  79,  80,  81,  82,  83,  84,  85,  86,  87,  88,  89,  90,  91,  0,   1,   2,
    3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  28,  15,  16,  17,  18,  19,  20,  21,
    22,  23,  24,  25,  26,  27,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,
    42,  43,  44,  45,  46,  47,  48,  49,  92,  93,  94,  62,  63,  64,  65,  66,  67,  68,
    69,  70,  71,  72,  73,  123, 123, 55,  56,  57,  95,  96,  97,  98,  99,  100, 101, 102,
    103, 104, 105, 106, 107, 57,  57,  57,  57,  57,  57,  58,  59,  60,  61,  74,  75,  76,
    120, 121, 122, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 54};
constexpr int vq5040Down[] = {
    15,  16,  17,  18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  41,  41,  29, 30, 31,
    32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  28,  42,  42,  43,  44,  45, 46, 47,
    48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  57,  57,  57,  57,  57,  58, 59, 60,
    77,  78,  79,  80,  101, 102, 103, 104, 65,  66,  67,  68,  69,  70,  71,  72, 73, 74,
    75,  76,  105, 106, 107, 0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10, 11, 12,
    13,  14,  62,  63,  64,  82,  83,  84,  85,  86,  87,  88,  89,  90,  91,  92, 93, 94,
    111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 108, 109, 110, 77};

constexpr CapRow vq2710Caps[] = {{0, 14, 80, 30, 140, 27, 25},    {15, 15, 80, 0, 170, 44, 25},
                                 {16, 27, 127, 30, 170, 27, 25},  {28, 28, 487, 0, 170, 40, 30},
                                 {29, 29, 80, 0, 200, 57, 25},    {30, 40, 140, 30, 200, 27, 25},
                                 {41, 41, 470, 0, 200, 57, 25},   {42, 42, 80, 0, 230, 72, 25},
                                 {43, 52, 155, 30, 230, 27, 25},  {53, 53, 455, 0, 230, 72, 25},
                                 {54, 54, 80, 0, 260, 42, 25},    {55, 55, 125, 0, 260, 27, 25},
                                 {56, 56, 155, 0, 260, 42, 25},   {57, 57, 200, 0, 260, 177, 25},
                                 {58, 66, 380, 30, 260, 27, 25},  {67, 70, 530, 30, 230, 27, 25},
                                 {71, 71, 650, 0, 230, 27, 55},   {72, 74, 560, 30, 200, 27, 25},
                                 {75, 77, 560, 30, 170, 27, 25},  {78, 78, 650, 0, 170, 27, 55},
                                 {79, 82, 560, 30, 140, 27, 25},  {83, 97, 80, 30, 110, 27, 25},
                                 {98, 101, 560, 30, 110, 27, 25}, {102, 116, 80, 30, 80, 27, 25},
                                 {117, 120, 560, 30, 80, 27, 25}, {121, 121, 620, 0, 50, 57, 25}};
constexpr int vq2710SlotKey[] = {
    11,  90,  101, 98,  97,  96,  89,  108, 91,  110, 88,  107, 0,   99,  100, 39,  40,  43,
    44,  45,  47,  53,  38,  51,  46,  54,  36,  42,  81,  76,  83,  80,  72,  73,  75,  94,
    77,  87,  74,  82,  93,  81,  102, 21,  26,  29,  30,  31,  22,  35,  20,  33,  23,  138,
    127, 62,  65,  48,  92,  84,  85,  27,  129, 64,  120, 19,  52,  69,  58,  133, 57,  123,
    63,  61,  134, 128, 130, 24,  95,  71,  59,  1,   109, 104, 119, 116, 115, 114, 112, 122,
    105, 124, 113, 79,  121, 117, 118, 126, 86,  28,  66,  140, 3,   12,  15,  7,   6,   4,
    17,  2,   8,   5,   18,  14,  13,  10,  9,   68,  56,  60,  125, 160};
constexpr int vq2710Up[] = {
    83,  84,  85,  86,  87,  88,  89,  90,  91,  92,  93,  94,  95,  96,  97,  0,   1,   2,
    3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  28,  15,  16,  17,  18,  19,  20,  21,
    22,  23,  24,  25,  26,  27,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,
    42,  43,  44,  45,  46,  47,  48,  49,  50,  67,  68,  69,  70,  63,  72,  73,  74,  78,
    75,  76,  77,  79,  80,  81,  82,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108,
    109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 54,  55,  56,  57,  57,  57,
    57,  57,  57,  57,  58,  59,  60,  61,  62,  64,  65,  66,  121, 71};
constexpr int vq2710Down[] = {
    15, 16,  17,  18,  19, 20, 21, 22, 23,  24, 25, 26, 27,  41,  41,  29,  30,  31,  32,  33,  34,
    35, 36,  37,  38,  39, 40, 41, 28, 42,  42, 43, 44, 45,  46,  47,  48,  49,  50,  51,  52,  53,
    54, 55,  56,  57,  57, 57, 57, 57, 57,  58, 59, 60, 102, 103, 104, 105, 106, 107, 108, 109, 110,
    67, 117, 118, 119, 63, 64, 65, 66, 121, 68, 69, 70, 72,  73,  74,  71,  75,  76,  77,  78,  0,
    1,  2,   3,   4,   5,  6,  7,  8,  9,   10, 11, 12, 13,  14,  79,  80,  81,  82,  83,  84,  85,
    86, 87,  88,  89,  90, 91, 92, 93, 94,  95, 96, 97, 98,  99,  100, 101, 120};

constexpr CapRow vq2930Caps[] = {
    {0, 14, 52, 30, 140, 27, 25},   {15, 15, 52, 0, 170, 44, 25},   {16, 27, 99, 30, 170, 27, 25},
    {28, 28, 459, 0, 170, 40, 30},  {29, 29, 52, 0, 200, 57, 25},   {30, 40, 112, 30, 200, 27, 25},
    {41, 41, 442, 0, 200, 57, 25},  {42, 42, 52, 0, 230, 72, 25},   {43, 52, 127, 30, 230, 27, 25},
    {53, 53, 427, 0, 230, 72, 25},  {54, 54, 52, 0, 260, 42, 25},   {55, 55, 97, 0, 260, 27, 25},
    {56, 56, 127, 0, 260, 42, 25},  {57, 57, 172, 0, 260, 207, 25}, {58, 65, 382, 30, 260, 27, 25},
    {66, 66, 652, 0, 260, 27, 25},  {67, 67, 532, 0, 230, 27, 25},  {68, 70, 592, 30, 230, 27, 25},
    {71, 71, 682, 0, 230, 27, 55},  {72, 74, 592, 30, 200, 27, 25}, {75, 80, 502, 30, 170, 27, 25},
    {81, 81, 682, 0, 170, 27, 55},  {82, 88, 502, 30, 140, 27, 25}, {89, 110, 52, 30, 110, 27, 25},
    {111, 132, 52, 30, 80, 27, 25}, {133, 133, 652, 0, 50, 57, 25}};
constexpr int vq2930SlotKey[] = {
    140, 76,  83,  80,  72,  73,  75,  94, 77,  87,  74,  93,  107, 81,  82,  39,  40,
    43,  44,  45,  47,  53,  38,  51,  46, 54,  121, 42,  14,  3,   12,  15,  7,   6,
    4,   17,  2,   8,   5,   13,  18,  14, 85,  104, 119, 116, 115, 114, 112, 122, 105,
    124, 113, 110, 24,  62,  65,  49,  19, 10,  11,  118, 90,  64,  37,  1,   52,  69,
    58,  97,  57,  34,  63,  61,  98,  41, 48,  50,  91,  89,  127, 16,  84,  86,  99,
    71,  59,  106, 95,  21,  26,  29,  30, 31,  22,  35,  20,  33,  23,  79,  36,  28,
    27,  25,  32,  9,   117, 108, 96,  92, 137, 129, 142, 134, 133, 132, 130, 136, 128,
    138, 131, 0,   135, 143, 141, 139, 68, 56,  60,  67,  102, 55,  109, 160};
constexpr int vq2930Up[] = {
    89,  90,  91,  92,  93,  94,  95,  96,  97,  98,  99,  100, 101, 102, 103, 0,   1,
    2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  28,  15,  16,  17,  18,  19,
    20,  21,  22,  23,  24,  25,  26,  27,  29,  30,  31,  32,  33,  34,  35,  36,  37,
    38,  39,  40,  42,  43,  44,  45,  46,  47,  48,  49,  75,  67,  77,  68,  70,  76,
    72,  73,  74,  81,  78,  79,  80,  82,  83,  84,  85,  86,  87,  88,  104, 105, 106,
    107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123,
    124, 125, 126, 127, 128, 129, 130, 131, 132, 54,  55,  56,  57,  57,  57,  57,  57,
    57,  57,  57,  58,  59,  60,  61,  62,  63,  64,  65,  66,  66,  133, 71};
constexpr int vq2930Down[] = {
    15, 16, 17, 18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  41,  41,  29,  30,
    31, 32, 33, 34,  35,  36,  37,  38,  39,  40,  41,  28,  42,  42,  43,  44,  45,
    46, 47, 48, 49,  50,  51,  52,  53,  54,  55,  56,  57,  57,  57,  57,  57,  57,
    58, 59, 60, 111, 112, 113, 114, 122, 123, 124, 125, 126, 127, 128, 129, 131, 63,
    65, 65, 66, 133, 68,  69,  70,  62,  67,  64,  72,  73,  74,  71,  75,  76,  77,
    78, 79, 80, 81,  0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,
    13, 14, 82, 83,  84,  85,  86,  87,  88,  89,  90,  91,  92,  93,  94,  95,  96,
    97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 132};

constexpr CapRow tr6080Caps[] = {{0, 4, 100, 40, 95, 35, 30},    {5, 6, 300, 70, 95, 45, 30},
                                 {7, 12, 420, 40, 95, 35, 30},   {13, 26, 100, 40, 135, 35, 30},
                                 {27, 39, 100, 40, 175, 35, 30}, {40, 52, 100, 40, 215, 35, 30},
                                 {53, 65, 100, 40, 255, 35, 30}, {66, 66, 100, 0, 55, 75, 30}};
constexpr int tr6080SlotKey[] = {
    57, 58, 59,  60,  61,  62,  55,  54,  53,  52,  51,  50,  49,  73,  74,  75,  76,
    77, 78, 79,  71,  70,  69,  68,  67,  66,  65,  89,  90,  91,  92,  93,  94,  95,
    87, 86, 85,  84,  83,  82,  105, 106, 107, 108, 109, 110, 111, 103, 102, 101, 100,
    99, 98, 121, 122, 123, 124, 125, 126, 127, 119, 118, 117, 116, 115, 114, 113};
constexpr int tr6080Up[] = {66, 54, 55, 56, 57, 58, 60, 61, 62, 63, 64, 65, 26, 0,  1,  2,  3,
                            4,  5,  59, 6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                            20, 21, 22, 23, 24, 25, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37,
                            38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53};
constexpr int tr6080Down[] = {13, 14, 15, 16, 17, 18, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30,
                              31, 32, 33, 34, 35, 36, 37, 38, 39, 12, 40, 41, 42, 43, 44, 45, 46,
                              47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63,
                              64, 65, 66, 1,  2,  3,  4,  5,  19, 6,  7,  8,  9,  10, 11, 0};

constexpr CapRow tr3050Caps[] = {{0, 5, 100, 93, 130, 69, 30}, {6, 16, 100, 50, 180, 35, 30}};
constexpr int tr3050SlotKey[] = {105, 106, 107, 108, 109, 110, 121, 122, 123,
                                 124, 125, 126, 127, 119, 118, 117, 116};
constexpr int tr3050Up[] = {6, 8, 10, 12, 14, 16, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5};
constexpr int tr3050Down[] = {6, 8, 10, 12, 14, 16, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5};

constexpr CapRow tr3570Caps[] = {
    {0, 5, 100, 50, 130, 35, 30}, {6, 16, 100, 50, 180, 35, 30}, {17, 21, 400, 50, 130, 35, 30}};
constexpr int tr3570SlotKey[] = {105, 106, 107, 108, 109, 110, 121, 122, 123, 124, 125,
                                 126, 127, 119, 118, 117, 116, 111, 103, 102, 101, 100};
constexpr int tr3570Up[] = {6, 7,  8,  9,  10, 11, 0,  1,  2,  3,  4,
                            5, 17, 18, 19, 20, 21, 12, 13, 14, 15, 16};
constexpr int tr3570Down[] = {6, 7,  8,  9,  10, 11, 0,  1,  2,  3,  4,
                              5, 17, 18, 19, 20, 21, 12, 13, 14, 15, 16};

struct ModelTables {
    int id;
    std::span<const CapRow> caps;
    std::span<const int> slotKey;
    std::span<const int> up;
    std::span<const int> down;
};

const ModelTables modelTables[] = {
    {2013, vq5040Caps, vq5040SlotKey, vq5040Up, vq5040Down},
    {2014, vq2710Caps, vq2710SlotKey, vq2710Up, vq2710Down},
    {2015, vq2930Caps, vq2930SlotKey, vq2930Up, vq2930Down},
    {2016, tr6080Caps, tr6080SlotKey, tr6080Up, tr6080Down},
    {2017, tr3050Caps, tr3050SlotKey, tr3050Up, tr3050Down},
    {2019, tr3570Caps, tr3570SlotKey, tr3570Up, tr3570Down},
};

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

TEST(KeyLayout, CapsAndKeysOfEachSlotAreThoseOfItsModelsTables) {
    for (const ModelTables& m : modelTables) {
        const KeyLayout l(m.id);
        ASSERT_EQ(l.keyCount(), static_cast<int>(m.slotKey.size())) << m.id;
        std::vector<int> listed(m.slotKey.size());
        for (const CapRow& row : m.caps) {
            for (int s = row.first; s <= row.last; ++s) {
                ++listed[s];
                EXPECT_EQ(l.slotPos()[s], (KeyCapPos{row.x + row.step * (s - row.first), row.y}))
                    << m.id << " slot " << s;
                EXPECT_EQ(l.slotSize()[s], (KeyCapSize{row.w, row.h})) << m.id << " slot " << s;
            }
        }
        EXPECT_EQ(listed, std::vector<int>(m.slotKey.size(), 1)) << m.id;
        for (int s = 0; s < l.keyCount(); ++s)
            EXPECT_EQ(l.slotKey()[s], m.slotKey[s]) << m.id << " slot " << s;
    }
    // TR4060: 22 columns of 8, filled column by column.
    const KeyLayout tr4060(2018);
    for (int s = 0; s < 176; ++s) {
        EXPECT_EQ(tr4060.slotPos()[s], (KeyCapPos{50 + 30 * (s / 8), 50 + 30 * (s % 8)})) << s;
        EXPECT_EQ(tr4060.slotSize()[s], (KeyCapSize{25, 25})) << s;
        EXPECT_EQ(tr4060.slotKey()[s], s);
    }
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

TEST(KeyLayout, UpAndDownMovesAreThoseOfEachModelsTables) {
    for (const ModelTables& m : modelTables) {
        const KeyLayout l(m.id);
        ASSERT_EQ(m.up.size(), m.slotKey.size()) << m.id;
        ASSERT_EQ(m.down.size(), m.slotKey.size()) << m.id;
        for (int s = 0; s < l.keyCount(); ++s) {
            EXPECT_EQ(up(l, s), m.up[s]) << m.id << " slot " << s;
            EXPECT_EQ(down(l, s), m.down[s]) << m.id << " slot " << s;
        }
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/KeyboardModels.h"

#include "layout/KeyLayout.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(KeyboardModels, CatalogRows) {
    const auto models = keyboardModels();
    ASSERT_EQ(models.size(), 7u);
    const KeyboardModel expected[] = {
        {2013, "VQ5040", 124, true, "VQ5040.txt", 32811, 3},
        {2014, "VQ2710", 122, true, "VQ2710.txt", 32818, 1},
        {2015, "VQ2930", 134, true, "VQ2930.txt", 32819, 2},
        {2016, "TR6080", 67, true, "TR6080.txt", 32821, 5},
        {2017, "TR3050", 17, false, "TR3050.txt", 32822, 6},
        {2018, "TR4060", 176, false, "TR4060.txt", 32823, 4},
        {2019, "TR3570", 22, false, "TR3570.txt", 32826, 7},
    };
    for (std::size_t i = 0; i < 7; ++i) {
        const KeyboardModel& m = models[i];
        const KeyboardModel& e = expected[i];
        EXPECT_EQ(m.id, e.id);
        EXPECT_EQ(m.name, e.name);
        EXPECT_EQ(m.keyCount, e.keyCount);
        EXPECT_EQ(m.hasCardReader, e.hasCardReader);
        EXPECT_EQ(m.defaultTextFile, e.defaultTextFile);
        EXPECT_EQ(m.menuCommand, e.menuCommand);
        EXPECT_EQ(m.menuOrder, e.menuOrder);
        EXPECT_EQ(KeyLayout(m.id).keyCount(), m.keyCount) << m.id;
        EXPECT_TRUE(isKnownModel(m.id));
    }
    EXPECT_FALSE(isKnownModel(2012));
    EXPECT_FALSE(isKnownModel(2020));
    EXPECT_EQ(keyboardModel(2020).name, "VQ5040");
    EXPECT_EQ(defaultKeyLabels(2020), defaultKeyLabels(2013));
}

// Every slot of a model has a caption (but the Enter key's upper part), none beyond.
TEST(KeyboardModels, CaptionsFillExactlyTheModelsSlots) {
    for (const KeyboardModel& m : keyboardModels()) {
        const KeyLabels labels = defaultKeyLabels(m.id);
        const bool vq = m.id <= 2015;
        for (int slot = 0; slot < maxKeyCaps; ++slot) {
            const bool expectCaption = slot < m.keyCount && !(vq && slot == 28);
            EXPECT_EQ(!labels[slot].empty(), expectCaption) << m.id << " slot " << slot;
        }
    }
}

TEST(KeyboardModels, CaptionsFollowTheModelsRules) {
    struct Case {
        int model;
        int slot;
        const char* caption;
    };
    const Case cases[] = {
        {2013, 0, "`"},    {2013, 13, "\\"},    {2013, 14, "BS"},       {2013, 29, "CapsLk"},
        {2013, 40, "\""},  {2013, 41, "Enter"}, {2013, 53, "Shift"},    {2013, 60, "Men"},
        {2013, 62, "Num"}, {2013, 76, "CR"},    {2013, 77, "ESC"},      {2013, 78, "F1"},
        {2013, 94, "F17"}, {2013, 95, "K1"},    {2013, 122, "K28"},     {2013, 123, "KeyLock"},
        {2014, 61, "Ctl"}, {2014, 62, "<-"},    {2014, 67, "^"},        {2014, 71, "CR"},
        {2014, 79, "Num"}, {2014, 83, "ESC"},   {2014, 120, "F37"},     {2014, 121, "KeyLock"},
        {2015, 74, "6"},   {2015, 75, "Del"},   {2015, 84, "PgU"},      {2015, 88, "-"},
        {2015, 89, "ESC"}, {2015, 132, "F43"},  {2015, 133, "KeyLock"}, {2016, 0, "L11"},
        {2016, 4, "L51"},  {2016, 5, "M11"},    {2016, 6, "M21"},       {2016, 11, "R51"},
        {2016, 12, "X11"}, {2016, 13, "L12"},   {2016, 26, "X12"},      {2016, 39, "R53"},
        {2016, 47, "3"},   {2016, 59, "00"},    {2016, 65, "R55"},      {2016, 66, "KeyLock"},
        {2017, 0, "K01"},  {2017, 16, "K17"},   {2018, 0, "A1"},        {2018, 7, "A8"},
        {2018, 8, "B1"},   {2018, 175, "V8"},   {2019, 9, "K10"},       {2019, 21, "K22"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(defaultKeyLabels(c.model)[c.slot], c.caption) << c.model << " slot " << c.slot;
}

} // namespace
} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/TemplateImage.h"

#include "ImageTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <set>
#include <vector>

namespace vorn {
namespace {

TEST(NewTemplateImage, CardReaderModelsGetFilledCardAreaAndTheirSettings) {
    for (int model : {2013, 2014, 2015, 2016}) {
        const TemplateImage image = newTemplateImage(model);
        std::string expected(1968, '\0');
        expected += std::string(64, '\xFF');
        expected += std::string(10, '\0');
        expected += test::hexBytes("02 EA D6 55 AA D6");
        EXPECT_EQ(std::string(image.begin(), image.end()), expected) << model;
        EXPECT_EQ(validateImage(image), ImageCheck::valid);
    }
}

TEST(NewTemplateImage, OtherModelsAndUnknownIdsGetSerialPortSettings) {
    for (int model : {2017, 2018, 2019, 0, 2012, 2020}) {
        const TemplateImage image = newTemplateImage(model);
        std::string expected(2042, '\0');
        expected += test::hexBytes("02 E0 9E 55 AA D6");
        EXPECT_EQ(std::string(image.begin(), image.end()), expected) << model;
        EXPECT_EQ(validateImage(image), ImageCheck::valid);
    }
}

TEST(ValidateImage, SignatureAndDelayAreChecked) {
    struct Case {
        std::size_t offset;
        std::uint8_t value;
        ImageCheck expected;
    };
    const Case cases[] = {
        {offsets::interCharDelay, 250, ImageCheck::valid},
        {offsets::interCharDelay, 1, ImageCheck::valid},
        {offsets::interCharDelay, 251, ImageCheck::corrupted},
        {offsets::interCharDelay, 0, ImageCheck::corrupted},
        {2045, 0x54, ImageCheck::corrupted},
        {2046, 0xAB, ImageCheck::corrupted},
        {2047, 0x00, ImageCheck::corrupted},
        // Nothing else is looked at.
        {offsets::blockIndex, 0x77, ImageCheck::valid},
        {offsets::track1Flags, 0x12, ImageCheck::valid},
        {offsets::featureFlags, 0x00, ImageCheck::valid},
    };
    for (const Case& c : cases) {
        TemplateImage image = newTemplateImage(2013);
        image[c.offset] = c.value;
        EXPECT_EQ(validateImage(image), c.expected) << c.offset << " = " << int(c.value);
    }
}

TEST(ValidateImage, CountsTerminatorsOfTheKeyAreaOnly) {
    TemplateImage image = newTemplateImage(2018); // zeros beyond the key area too
    std::fill_n(image.begin(), offsets::keyAreaSize, 'a');
    std::fill_n(image.begin(), 176, 0);
    EXPECT_EQ(validateImage(image), ImageCheck::valid);
    image[175] = 'a';
    EXPECT_EQ(validateImage(image), ImageCheck::wrongKeyNumber);
}

// The count runs sixteen bytes at a time: every byte value and position must count alike.
TEST(ValidateImage, CountsZerosWhateverTheOtherBytesAndWherever) {
    std::mt19937 random(7);
    for (const std::uint8_t other : {0x01, 0x7F, 0x80, 0x81, 0xFE, 0xFF}) {
        for (const int zeros : {175, 176}) {
            TemplateImage image = newTemplateImage(2013);
            std::fill_n(image.begin(), offsets::keyAreaSize, other);
            std::vector<std::size_t> positions(offsets::keyAreaSize);
            std::iota(positions.begin(), positions.end(), 0);
            std::shuffle(positions.begin(), positions.end(), random);
            for (int i = 0; i < zeros; ++i)
                image[positions[i]] = 0;
            image[offsets::keyAreaSize - 1] = 0; // the last byte is counted too
            const auto counted = std::count(image.begin(), image.begin() + offsets::keyAreaSize, 0);
            EXPECT_EQ(validateImage(image),
                      counted >= 176 ? ImageCheck::valid : ImageCheck::wrongKeyNumber)
                << int(other) << " " << counted;
        }
    }
}

TEST(ValidateImage, MessagesAreExact) {
    EXPECT_EQ(imageCheckMessage(ImageCheck::corrupted),
              "The template data file is corrupted !\nDownloading this template will make "
              "keyboard malfunction.\nUse Import/Export function to recover the file,");
    EXPECT_EQ(imageCheckMessage(ImageCheck::wrongKeyNumber),
              "The key number is wrong in the template data file !\nDownloading this template "
              "will make keyboard malfunction.\nRe-edit the template file please.");
    EXPECT_TRUE(imageCheckMessage(ImageCheck::valid).empty());
}

TEST(KeyOrder, IsAPermutationWithTheDocumentedCorners) {
    EXPECT_EQ(std::set<int>(keyOrder.begin(), keyOrder.end()).size(), 176u);
    EXPECT_EQ(*std::min_element(keyOrder.begin(), keyOrder.end()), 0);
    EXPECT_EQ(*std::max_element(keyOrder.begin(), keyOrder.end()), 175);
    EXPECT_EQ(keyOrder[0], 120);
    EXPECT_EQ(keyOrder[127], 0);
    EXPECT_EQ(keyOrder[175], 160);
    EXPECT_EQ(keyOrder[167], 175);
    EXPECT_EQ(keyOrder[8], 119);
    EXPECT_EQ(keyOrder[128], 136);
    EXPECT_EQ(keyOrder[136], 135);
}

TEST(WriteBlockIndex, HoldsTheStartsOfRecords32To160) {
    TemplateImage image = newTemplateImage(2013);
    writeBlockIndex(image);
    EXPECT_EQ(test::hexBytes("20 00 40 00 60 00 80 00 A0 00"),
              std::string(image.begin() + offsets::blockIndex, image.begin() + 2042));

    // Record 0 three bytes longer, record 40 three hundred: later entries move.
    image[0] = 'a';
    image[1] = 'b';
    image[2] = 'c';
    image[3] = 0;
    std::fill_n(image.begin() + 3 + 40, 300, 'x'); // record 40 now starts at 3 + 40
    std::fill_n(image.begin() + 343, 200, 0);
    writeBlockIndex(image);
    EXPECT_EQ(test::hexBytes("23 00 6F 01 8F 01 AF 01 CF 01"),
              std::string(image.begin() + offsets::blockIndex, image.begin() + 2042));
}

TEST(PairModelKeys, Model2013SharesKeys121And160) {
    KeyTexts keyText;
    keyText[121] = "old";
    keyText[160] = "new";
    pairModelKeys(keyText, 2014);
    EXPECT_EQ(keyText[121], "old");
    pairModelKeys(keyText, 2013);
    EXPECT_EQ(keyText[121], "new");

    keyText[160].clear();
    keyText[121] = "kept";
    pairModelKeys(keyText, 2013);
    EXPECT_EQ(keyText[160], "kept");
}

} // namespace
} // namespace vorn

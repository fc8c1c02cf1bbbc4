#include "image/KeyWords.h"

#include "ImageTestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace vorn {
namespace {

TEST(KeyWords, DocumentedWordsGiveTheirBytes) {
    const std::map<std::string, std::string> cases = {
        {"[ESC]", "01"},
        {"[a]", "1E"},
        {"[A]", "1E"},
        {"[!]", "02"},
        {"[1]", "02"},
        {"[\"]", "28"},
        {"[|]", "2B"},
        {"[\\]", "2B"},
        {"[F1]", "3B"},
        {"[F10]", "44"},
        {"[F11]", "57"},
        {"[F12]", "58"},
        {"[PAD7]", "47"},
        {"[PAD.]", "53"},
        {"[0E0]", "E0"},
        {"[0F0]", "F0"},
        {"[PADEnter]", "E0 1C"},
        {"[Home]", "E0 47"},
        {"[PauseBreak]", "E1 1D 45"},
        {"[PrintScreen]", "E0 2A E0 37"},
        {"[Mute]", "E0 20"},
        {"[WWWFavorites]", "E0 66"},
        {"[Separator]", "FE"},
        {"[Delay250]", "FD FA"},
        {"[Delay007]", "FD 07"},
        {"[Delay1]", "FD 01"},
    };
    for (const auto& [word, hex] : cases)
        EXPECT_EQ(scanWordBytes(word), test::hexBytes(hex)) << word;
}

TEST(KeyWords, WordsNotAllowedInScanCodeModeGiveNothing) {
    for (const char* word : {"[CR]", "[Caps]", "[ShiftLevel3]", "[Pad1]", "[f1]", "[Delay0]",
                             "[Delay251]", "[Delay1000]", "[Delay]", "[Delay5x]", "[Delay5]]",
                             "[DelayA]", "[Esc]", "", "[", "F1", "[F1"})
        EXPECT_TRUE(scanWordBytes(word).empty()) << word;
}

TEST(KeyWords, ByteCountsFollowTheTable) {
    EXPECT_EQ(scanWordByteCount("[A]"), 1);
    EXPECT_EQ(scanWordByteCount("[0E0]"), 1);
    EXPECT_EQ(scanWordByteCount("[Mute]"), 2);
    EXPECT_EQ(scanWordByteCount("[PauseBreak]"), 3);
    EXPECT_EQ(scanWordByteCount("[PrintScreen]"), 4);
    EXPECT_EQ(scanWordByteCount("[Separator]"), 0);
    EXPECT_EQ(scanWordByteCount("[Delay5]"), 0);
    EXPECT_EQ(scanWordByteCount("[Nothing]"), 0);
}

TEST(KeyWords, EveryWordAndSynonymMapsToItsBytesAndBackToItsName) {
    std::set<std::string_view> spellings;
    int extended = 0;
    for (const KeyWord& k : keyWordTable()) {
        const std::string bytes(k.code().begin(), k.code().end());
        EXPECT_EQ(scanWordBytes(k.word), bytes) << k.word;
        EXPECT_EQ(scanWordByteCount(k.word), k.byteCount);
        EXPECT_TRUE(spellings.insert(k.word).second) << "duplicate " << k.word;
        if (!k.synonym.empty()) {
            EXPECT_EQ(scanWordBytes(k.synonym), bytes) << k.synonym;
            EXPECT_TRUE(spellings.insert(k.synonym).second) << "duplicate " << k.synonym;
        }
        if (k.byteCount == 1) {
            EXPECT_EQ(scanCodeWord(k.bytes[0]), k.word);
        }
        if (k.byteCount == 2 && k.bytes[0] == 0xE0) {
            EXPECT_EQ(extendedCodeWord(k.bytes[1]), k.word);
            ++extended;
        }
    }
    EXPECT_EQ(extended, 40);
    EXPECT_EQ(scanCodeWord(0x55), "");
    EXPECT_EQ(scanCodeWord(0x00), "");
    EXPECT_EQ(extendedCodeWord(0x1E), "");
    EXPECT_EQ(extendedCodeWord(0x2A), "");
}

// The lookup hashes the length and a few characters: spellings that differ anywhere else
// must still not be taken for each other.
TEST(KeyWords, NearMissesOfSpellingsAreNotFound) {
    std::set<std::string> all;
    for (const KeyWord& k : keyWordTable()) {
        all.emplace(k.word);
        if (!k.synonym.empty())
            all.emplace(k.synonym);
    }
    const auto expectFoundOnlyIfASpelling = [&](const std::string& text) {
        const KeyWord* found = findKeyWord(text);
        EXPECT_EQ(found != nullptr, all.count(text) > 0) << text;
        if (found) {
            EXPECT_TRUE(found->word == text || found->synonym == text) << text;
        }
    };
    for (const std::string& spelling : all) {
        for (std::size_t at = 0; at < spelling.size(); ++at) {
            for (const char c : {'x', 'Q', '0', '\0', '\xFF', '['}) {
                std::string changed = spelling;
                changed[at] = c;
                expectFoundOnlyIfASpelling(changed);
            }
        }
        expectFoundOnlyIfASpelling(spelling + "]");
        expectFoundOnlyIfASpelling("[" + spelling);
        expectFoundOnlyIfASpelling(spelling.substr(0, spelling.size() - 1) + "x]");
    }
    for (const char* text : {"", "[", "]", "[]", "[x", "[Ctrl+PrintScreen]x", "[Ctrl+PrintScreex]"})
        expectFoundOnlyIfASpelling(text);
}

TEST(KeyWords, LettersHaveLowerCaseSynonymsOnly) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        const std::string upper = std::string("[") + c + "]";
        const std::string lower = std::string("[") + char(c - 'A' + 'a') + "]";
        EXPECT_FALSE(scanWordBytes(upper).empty()) << upper;
        EXPECT_EQ(scanWordBytes(lower), scanWordBytes(upper)) << lower;
    }
    EXPECT_EQ(scanCodeWord(0x1E), "[A]");
    EXPECT_EQ(scanCodeWord(0x02), "[1]");
    EXPECT_EQ(scanCodeWord(0x2B), "[\\]");
}

TEST(KeyWords, WordListPositionsAreUniqueWithinSevenGroups) {
    std::set<int> positions;
    int listed = 0;
    for (const KeyWord& k : keyWordTable()) {
        if (k.listPosition == 0)
            continue;
        ++listed;
        EXPECT_TRUE(positions.insert(k.listPosition).second) << k.word;
        EXPECT_GE(k.listGroup(), 1);
        EXPECT_LE(k.listGroup(), 7);
        EXPECT_FALSE(k.listDescription.empty()) << k.word;
    }
    // F1..F12, 12 keys, 17 navigation keys, 3 combinations, 16 keypad, 21 media, 2 prefixes.
    EXPECT_EQ(listed, 12 + 12 + 17 + 3 + 16 + 21 + 2);
}

TEST(DelayWordValue, FollowsTheDigitRule) {
    EXPECT_EQ(delayWordValue("[Delay5]"), 5);
    EXPECT_EQ(delayWordValue("[Delay25]"), 25);
    EXPECT_EQ(delayWordValue("[Delay250]"), 250);
    EXPECT_EQ(delayWordValue("[Delay007]"), 7);
    for (const char* bad : {"[Delay0]", "[Delay000]", "[Delay251]", "[Delay1000]", "[Delay]",
                            "[Delay-1]", "[Delay 5]", "[Delay5", "[Delay5]x", "[delay5]"})
        EXPECT_FALSE(delayWordValue(bad).has_value()) << bad;
}

} // namespace
} // namespace vorn

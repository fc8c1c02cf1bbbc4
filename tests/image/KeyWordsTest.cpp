// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/KeyWords.h"

#include "ImageTestSupport.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace vorn {
namespace {

// Where a word may stand.
enum class Mode {
    scan,  // a scan-code word: in scan-code texts only
    both,  // a function word of both modes
    ascii, // a function word of ASCII texts only
    whole, // a shift-level word: only as the whole text
};

struct VocabularyWord {
    const char* word; // the name the decoder gives back
    const char* also; // a second spelling with the same bytes, never given back; or ""
    const char* bytes;
    Mode mode = Mode::scan;
    const char* decoded = nullptr; // what a record of the word alone decodes to, if not the word
};

// The whole vocabulary, written out word by word, and examples of the numbered function words.
const VocabularyWord vocabulary[] = {
    {"[ESC]", "", "01"},
    {"[1]", "[!]", "02"},
    {"[2]", "[@]", "03"},
    {"[3]", "[#]", "04"},
    {"[4]", "[$]", "05"},
    {"[5]", "[%]", "06"},
    {"[6]", "[^]", "07"},
    {"[7]", "[&]", "08"},
    {"[8]", "[*]", "09"},
    {"[9]", "[(]", "0A"},
    {"[0]", "[)]", "0B"},
    {"[-]", "[_]", "0C"},
    {"[=]", "[+]", "0D"},
    {"[Backspace]", "", "0E"},
    {"[Tab]", "", "0F"},
    {"[Q]", "[q]", "10"},
    {"[W]", "[w]", "11"},
    {"[E]", "[e]", "12"},
    {"[R]", "[r]", "13"},
    {"[T]", "[t]", "14"},
    {"[Y]", "[y]", "15"},
    {"[U]", "[u]", "16"},
    {"[I]", "[i]", "17"},
    {"[O]", "[o]", "18"},
    {"[P]", "[p]", "19"},
    {"[{]", "", "1A"},
    {"[}]", "", "1B"},
    {"[Enter]", "", "1C"},
    {"[Ctrl]", "", "1D"},
    {"[A]", "[a]", "1E"},
    {"[S]", "[s]", "1F"},
    {"[D]", "[d]", "20"},
    {"[F]", "[f]", "21"},
    {"[G]", "[g]", "22"},
    {"[H]", "[h]", "23"},
    {"[J]", "[j]", "24"},
    {"[K]", "[k]", "25"},
    {"[L]", "[l]", "26"},
    {"[;]", "[:]", "27"},
    {"[']", "[\"]", "28"},
    {"[`]", "[~]", "29"},
    {"[Shift]", "", "2A"},
    {"[\\]", "[|]", "2B"},
    {"[Z]", "[z]", "2C"},
    {"[X]", "[x]", "2D"},
    {"[C]", "[c]", "2E"},
    {"[V]", "[v]", "2F"},
    {"[B]", "[b]", "30"},
    {"[N]", "[n]", "31"},
    {"[M]", "[m]", "32"},
    {"[,]", "[<]", "33"},
    {"[.]", "[>]", "34"},
    {"[/]", "[?]", "35"},
    {"[RightShift]", "", "36"},
    {"[PAD*]", "", "37"},
    {"[Alt]", "", "38"},
    {"[Space]", "", "39"},
    {"[CapsLock]", "", "3A"},
    {"[F1]", "", "3B"},
    {"[F2]", "", "3C"},
    {"[F3]", "", "3D"},
    {"[F4]", "", "3E"},
    {"[F5]", "", "3F"},
    {"[F6]", "", "40"},
    {"[F7]", "", "41"},
    {"[F8]", "", "42"},
    {"[F9]", "", "43"},
    {"[F10]", "", "44"},
    {"[NumLock]", "", "45"},
    {"[ScrollLk]", "", "46"},
    {"[PAD7]", "", "47"},
    {"[PAD8]", "", "48"},
    {"[PAD9]", "", "49"},
    {"[PAD-]", "", "4A"},
    {"[PAD4]", "", "4B"},
    {"[PAD5]", "", "4C"},
    {"[PAD6]", "", "4D"},
    {"[PAD+]", "", "4E"},
    {"[PAD1]", "", "4F"},
    {"[PAD2]", "", "50"},
    {"[PAD3]", "", "51"},
    {"[PAD0]", "", "52"},
    {"[PAD.]", "", "53"},
    {"[Alt+PrintScreen]", "", "54"},
    {"[F11]", "", "57"},
    {"[F12]", "", "58"},
    // An E0 that ends a record is an unfinished prefix: it decodes to nothing.
    {"[0E0]", "", "E0", Mode::scan, ""},
    {"[0F0]", "", "F0"},
    {"[PADEnter]", "", "E0 1C"},
    {"[RightCtrl]", "", "E0 1D"},
    {"[PAD/]", "", "E0 35"},
    {"[Ctrl+PrintScreen]", "", "E0 37"},
    {"[RightAlt]", "", "E0 38"},
    {"[Ctrl+PauseBreak]", "", "E0 46"},
    {"[Home]", "", "E0 47"},
    {"[ArrowUp]", "", "E0 48"},
    {"[PageUp]", "", "E0 49"},
    {"[ArrowLeft]", "", "E0 4B"},
    {"[ArrowRight]", "", "E0 4D"},
    {"[End]", "", "E0 4F"},
    {"[ArrowDown]", "", "E0 50"},
    {"[PageDown]", "", "E0 51"},
    {"[Insert]", "", "E0 52"},
    {"[Delete]", "", "E0 53"},
    {"[Win]", "", "E0 5B"},
    {"[RightWin]", "", "E0 5C"},
    {"[Menu]", "", "E0 5D"},
    {"[PauseBreak]", "", "E1 1D 45"},
    {"[PrintScreen]", "", "E0 2A E0 37"},
    {"[SystemPower]", "", "E0 5E"},
    {"[SystemSleep]", "", "E0 5F"},
    {"[SystemWake]", "", "E0 63"},
    {"[Forward]", "", "E0 19"},
    {"[Backward]", "", "E0 10"},
    {"[Stop]", "", "E0 24"},
    {"[PlayPause]", "", "E0 22"},
    {"[Mute]", "", "E0 20"},
    {"[VolumeUp]", "", "E0 30"},
    {"[VolumeDown]", "", "E0 2E"},
    {"[MediaSelect]", "", "E0 6D"},
    {"[Mail]", "", "E0 6C"},
    {"[Calculator]", "", "E0 21"},
    {"[MyComputer]", "", "E0 6B"},
    {"[WWWSearch]", "", "E0 65"},
    {"[WWWHome]", "", "E0 32"},
    {"[WWWBack]", "", "E0 6A"},
    {"[WWWForward]", "", "E0 69"},
    {"[WWWStop]", "", "E0 68"},
    {"[WWWRefresh]", "", "E0 67"},
    {"[WWWFavorites]", "", "E0 66"},
    // Function words.
    {"[CR]", "", "0D", Mode::ascii},
    {"[Caps]", "", "FD FC", Mode::ascii},
    {"[[", "", "5B", Mode::ascii},
    {"]]", "", "5D", Mode::ascii},
    {"[Separator]", "", "FE", Mode::both},
    {"[Delay1]", "[Delay001]", "FD 01", Mode::both},
    {"[Delay7]", "[Delay007]", "FD 07", Mode::both},
    {"[Delay25]", "[Delay025]", "FD 19", Mode::both},
    {"[Delay100]", "", "FD 64", Mode::both},
    {"[Delay250]", "", "FD FA", Mode::both},
    {"[ShiftLevel1]", "", "FF FF", Mode::whole},
    {"[ShiftLevel3]", "", "FF FF FF FF", Mode::whole},
    {"[ShiftLevel9]", "", "FF FF FF FF FF FF FF FF FF FF", Mode::whole},
};

// The record the image keeps for a text given to key record 0.
std::string storedRecord(const std::string& text) {
    TemplateImage image = newTemplateImage(2018);
    KeyTexts keyText;
    keyText[keyOrder[0]] = text;
    encodeImage(image, keyText, 2018);
    const std::string area = test::keyArea(image);
    return area.substr(0, area.find('\0') + 1);
}

std::string decodedRecord(const std::string& record) {
    std::size_t pos = 0;
    return decodeRecord(test::imageWithKeyArea(record), pos);
}

// Both directions for every word: its spellings give its bytes (alone, in a text of its mode,
// in the image), and its bytes decode to its name; byte counts and mode checks agree.
TEST(KeyWords, TheVocabularyGivesItsBytesAndItsNamesBack) {
    const std::string marker = "\xFF";
    const std::string esc = test::hexBytes("01");
    for (const VocabularyWord& w : vocabulary) {
        const std::string bytes = test::hexBytes(w.bytes);
        const int n = static_cast<int>(bytes.size());
        for (const std::string spelling : {w.word, w.also}) {
            if (spelling.empty())
                continue;
            SCOPED_TRACE(spelling);
            const bool scanWord = w.mode == Mode::scan;
            const bool inScanTexts = scanWord || w.mode == Mode::both;
            EXPECT_EQ(scanWordBytes(spelling), inScanTexts ? bytes : "");
            EXPECT_EQ(scanWordByteCount(spelling), scanWord ? n : 0);
            if (scanWord) {
                EXPECT_EQ(encodeKeyText(spelling), marker + bytes);
                EXPECT_EQ(encodedLength(spelling), n + 1);
                EXPECT_EQ(storedRecord(spelling), marker + bytes + '\0');
                EXPECT_TRUE(isScanText(spelling));
                EXPECT_FALSE(isAsciiText(spelling));
                continue;
            }
            // A function word alone is an ASCII text, a shift-level word included.
            EXPECT_EQ(encodeKeyText(spelling), bytes);
            EXPECT_EQ(encodedLength(spelling), n);
            EXPECT_EQ(storedRecord(spelling), bytes + '\0');
            EXPECT_TRUE(isAsciiText(spelling));
            const std::string afterKeyWord = "[ESC]" + spelling;
            if (w.mode == Mode::both) {
                EXPECT_EQ(encodeKeyText(afterKeyWord), marker + esc + bytes);
                EXPECT_EQ(encodedLength(afterKeyWord), n + 2);
                EXPECT_EQ(storedRecord(afterKeyWord), marker + esc + bytes + '\0');
                EXPECT_TRUE(isScanText(afterKeyWord));
            } else if (w.mode == Mode::ascii) {
                EXPECT_FALSE(isValidKeyText(spelling + "[ESC]"));
            } else {
                EXPECT_FALSE(isValidKeyText("a" + spelling));
                EXPECT_FALSE(isValidKeyText(afterKeyWord));
            }
        }
        SCOPED_TRACE(w.word);
        const std::string name = w.decoded ? w.decoded : w.word;
        if (w.mode == Mode::scan) {
            EXPECT_EQ(decodedRecord(marker + bytes + '\0'), name);
        } else {
            EXPECT_EQ(decodedRecord(bytes + '\0'), name);
        }
        if (w.mode == Mode::both) {
            EXPECT_EQ(decodedRecord(marker + esc + bytes + '\0'), "[ESC]" + name);
        }
    }
}

// The decoder's names, code by code: the vocabulary's words and nothing for every other code.
TEST(KeyWords, CodesHaveTheNamesOfTheVocabularyAndNoOthers) {
    std::map<int, std::string> single;
    std::map<int, std::string> extended;
    for (const VocabularyWord& w : vocabulary) {
        const std::string bytes = test::hexBytes(w.bytes);
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
        if (w.mode != Mode::scan)
            continue;
        if (bytes.size() == 1)
            single[byte(0)] = w.word;
        else if (bytes.size() == 2 && byte(0) == 0xE0)
            extended[byte(1)] = w.word;
    }
    EXPECT_EQ(extended.size(), 40u);
    for (int code = 0; code < 256; ++code) {
        const auto b = static_cast<std::uint8_t>(code);
        EXPECT_EQ(scanCodeWord(b), single.contains(code) ? single[code] : "") << code;
        EXPECT_EQ(extendedCodeWord(b), extended.contains(code) ? extended[code] : "") << code;
    }
}

// The table every part of the program reads holds the vocabulary's spellings and no others.
TEST(KeyWords, TheKeyWordTableHoldsNoSpellingBeyondTheVocabulary) {
    std::map<std::string, std::string> names; // spelling -> the word it names
    for (const VocabularyWord& w : vocabulary) {
        if (w.mode != Mode::scan)
            continue;
        names[w.word] = w.word;
        if (*w.also)
            names[w.also] = w.word;
    }
    std::set<std::string_view> seen;
    for (const KeyWord& k : keyWordTable()) {
        for (const std::string_view spelling : {k.word, k.synonym}) {
            if (spelling.empty())
                continue;
            EXPECT_TRUE(seen.insert(spelling).second) << "twice: " << spelling;
            const auto it = names.find(std::string(spelling));
            ASSERT_NE(it, names.end()) << spelling;
            EXPECT_EQ(k.word, it->second) << spelling;
        }
    }
    EXPECT_EQ(seen.size(), names.size());
}

TEST(KeyWords, WordsNotAllowedInScanCodeModeGiveNothing) {
    for (const char* word : {"[CR]", "[Caps]", "[ShiftLevel3]", "[Pad1]", "[f1]", "[Delay0]",
                             "[Delay251]", "[Delay1000]", "[Delay]", "[Delay5x]", "[Delay5]]",
                             "[DelayA]", "[Esc]", "[Nothing]", "", "[", "F1", "[F1"}) {
        EXPECT_TRUE(scanWordBytes(word).empty()) << word;
        EXPECT_EQ(scanWordByteCount(word), 0) << word;
    }
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

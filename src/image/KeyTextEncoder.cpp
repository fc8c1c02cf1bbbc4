// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/KeyTextEncoder.h"

#include "image/KeyTextWalker.h"
#include "image/KeyWordIndex.h"
#include "image/KeyWords.h"
#include "image/ShortBytes.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace vorn {

namespace {

// The operand of a delay word as the encoder reads it, without any range check:
// the characters at positions 6 to 8 up to the first "]".
std::uint8_t uncheckedDelayOperand(std::string_view word) {
    const std::size_t first = functionWords::delayPrefix.size();
    unsigned value = 0;
    for (std::size_t i = first; i < word.size() && i < first + 3; ++i) {
        if (i > first && word[i] == ']')
            break;
        value = value * 10 + static_cast<unsigned>(static_cast<unsigned char>(word[i]) - '0');
    }
    return static_cast<std::uint8_t>(value);
}

// Whether `word` starts with `prefix`, compared inline (a library call for a few bytes
// would cost more than the compare).
bool startsWith(std::string_view word, std::string_view prefix) {
    return word.size() >= prefix.size() &&
           shortBytes::same(word.data(), prefix.data(), prefix.size());
}

// Puts the bytes of a word that is not a key word; false when the walk stops there: after a
// shift-level word (the rest of the text is ignored) and at an unknown word (the record is cut
// there, without its leading 0xFF).
template <class Put> bool putFunctionWord(std::string_view word, bool& scan, Put put) {
    if (word == functionWords::separator) {
        put(separatorCode);
    } else if (word == functionWords::caps) {
        put(functionPrefixCode);
        put(capsOperand);
    } else if (word == functionWords::carriageReturn) {
        put(carriageReturnCode);
    } else if (startsWith(word, functionWords::delayPrefix)) {
        put(functionPrefixCode);
        put(uncheckedDelayOperand(word));
    } else if (startsWith(word, functionWords::shiftLevelPrefix)) {
        for (int level = 0; level <= shiftLevelDigit(word); ++level)
            put(scanMarkerCode);
        return false;
    } else {
        scan = true;
        return false;
    }
    return true;
}

// Where an Encoder puts a record's bytes. Both keep the first byte free for the scan-code
// marker, so that it need not be inserted in front.

// Every byte of the record, in a string that grows as needed.
class AllBytes {
public:
    void clear() { bytes_.resize(1); }
    void put(char c) { bytes_ += c; }
    void put(const KeyWord& key) { bytes_.append(key.code().begin(), key.code().end()); }
    std::string_view content(bool marked) {
        bytes_[0] = static_cast<char>(scanMarkerCode);
        return std::string_view(bytes_).substr(marked ? 0 : 1);
    }

private:
    std::string bytes_ = std::string(1, '\0');
};

// What the key area keeps of a record: its bytes other than 0x00 (which are never stored),
// as many as the key area could take; the rest is dropped as it comes.
class StoredBytes {
public:
    // Room for the marker, the content, and the tail of a whole-code copy at the end.
    static constexpr std::size_t room = 1 + maxContentBytes + 4;

    explicit StoredBytes(std::array<char, room>& buffer)
        : marker_(buffer.data())
        , last_(buffer.data() + 1 + maxContentBytes)
        , next_(buffer.data() + 1) {}
    void clear() { next_ = marker_ + 1; }
    void put(char c) {
        *next_ = c;
        next_ += static_cast<int>(c != 0 && next_ < last_);
    }
    void put(const KeyWord& key) {
        std::memcpy(next_, key.bytes.data(), key.bytes.size());
        next_ = std::min(next_ + key.byteCount, last_);
    }
    std::string_view content(bool marked) {
        *marker_ = static_cast<char>(scanMarkerCode);
        char* first = marked ? marker_ : marker_ + 1;
        return {first, static_cast<std::size_t>(next_ - first)};
    }

private:
    char* const marker_;
    char* const last_;
    char* next_;
};

// Turns the events of a key text walk into a record's bytes.
template <class Output> class Encoder {
public:
    explicit Encoder(Output& output)
        : out_(output) {}

    // Starts a new record.
    void reset() {
        out_.clear();
        scan_ = false;
        marked_ = false;
    }
    // The bytes of the record walked last.
    std::string_view bytes() const { return out_.content(marked_); }

    bool literal(char c) {
        out_.put(c);
        return true;
    }
    bool open(bool) { return true; }
    bool plain(char c) { return plainRun({&c, 1}); }
    bool plainRun(std::string_view run) {
        if (scan_) {
            out_.clear(); // plain characters after a key word drop what came before
            return true;
        }
        for (const char c : run)
            out_.put(c);
        return true;
    }
    bool close(std::string_view word, bool) {
        // Key words are the common case; no key word is spelt like a function word.
        if (const KeyWord* key = keyWordIndex::find(word)) {
            scan_ = true;
            out_.put(*key);
            return true;
        }
        return closeFunctionWord(word);
    }
    bool end(bool inWord) {
        if (inWord)
            out_.clear();
        else
            marked_ = scan_;
        return true;
    }

private:
    void put(std::uint8_t b) { out_.put(static_cast<char>(b)); }

    bool closeFunctionWord(std::string_view word) {
        return putFunctionWord(word, scan_, [this](std::uint8_t b) { put(b); });
    }

    Output& out_;
    bool scan_ = false;
    bool marked_ = false;
};

class LengthCounter {
public:
    int length = 0;
    bool scan = false;

    bool literal(char) {
        ++length;
        return true;
    }
    bool open(bool) { return true; }
    bool plain(char) {
        ++length;
        return true;
    }
    bool close(std::string_view word, bool) {
        if (word == functionWords::separator || word == functionWords::carriageReturn) {
            length += 1;
        } else if (word == functionWords::caps || startsWith(word, functionWords::delayPrefix)) {
            length += 2;
        } else if (startsWith(word, functionWords::shiftLevelPrefix)) {
            length = shiftLevelDigit(word) + 1;
            return false;
        } else {
            scan = true;
            length += scanWordByteCount(word);
        }
        return true;
    }
    bool end(bool) {
        if (scan)
            ++length;
        return true;
    }
};

// The characters that end a run of plain characters or a word's name; 0x00 also ends every
// std::string.
constexpr std::array<bool, 256> runEnders = [] {
    std::array<bool, 256> ends{};
    ends['['] = ends[']'] = ends[0] = true;
    return ends;
}();

bool endsRun(char c) {
    return runEnders[static_cast<unsigned char>(c)];
}

// The first bracket or 0x00 after `p`, two characters a step (a word's name is a few).
const char* nextRunEnd(const char* p) {
    for (;; p += 2) {
        if (endsRun(p[1]))
            return p + 1;
        if (endsRun(p[2]))
            return p + 2;
    }
}

// A text's record, with the bytes the Encoder gives, for texts of plain characters, literal
// pairs outside words, and words without brackets inside: one pass over the characters,
// stopped by the string's terminating 0x00 rather than by its length. `record` holds the
// scan-code marker (0xFF) in its first byte; the content goes after it, and the bytes returned
// start at the marker when the text ends in scan-code mode. After the marker `record` needs
// room for twice the text's length and four bytes more: no word gives more bytes than twice
// its characters (a key word has 3 characters or more and 4 bytes at most, a shift-level word
// 13 and 10), and a key word's code is copied whole. Returns nothing where the text needs the
// full rules.
std::optional<std::string_view> encodeCommonText(const std::string& text, char* const record) {
    char* const content = record + 1;
    const auto bytes = [](const char* first, const char* end) {
        return std::string_view(first, static_cast<std::size_t>(end - first));
    };
    const char* p = text.data();
    const char* const textEnd = p + text.size();
    char* out = content;
    bool scan = false;
    for (;;) {
        const char c = *p;
        if (!endsRun(c)) {
            if (scan) {
                out = content; // plain characters after a key word drop what came before
                while (!endsRun(*++p)) {
                }
            } else {
                do
                    *out++ = *p++;
                while (!endsRun(*p));
            }
        } else if (c == 0) {
            if (p == textEnd)
                return bytes(scan ? record : content, out);
            out = scan ? content : out; // a 0x00 in the text: plain, never stored
            ++p;
        } else if (p[1] == c) {
            *out++ = c; // a literal pair
            p += 2;
        } else if (c == ']') {
            return std::nullopt; // a "]" with no open word
        } else {
            const char* const wordStart = p;
            p = nextRunEnd(p);
            if (p == textEnd)
                return bytes(content, content); // ends inside a word: an empty record
            if (*p != ']' || p[1] == ']')
                return std::nullopt; // a bracket or 0x00 inside the word
            const std::string_view word(wordStart, static_cast<std::size_t>(++p - wordStart));
            if (const keyWordIndex::Spelling* spelling = keyWordIndex::findSpelling(word)) {
                scan = true;
                std::memcpy(out, spelling->bytes.data(), spelling->bytes.size());
                out += spelling->byteCount;
            } else if (!putFunctionWord(word, scan, [&out](std::uint8_t b) {
                           *out = static_cast<char>(b);
                           out += static_cast<int>(b != 0);
                       })) {
                return bytes(content, out); // the walk stops here, unmarked
            }
        }
    }
}

} // namespace

std::string encodeKeyText(std::string_view text) {
    AllBytes output;
    Encoder encoder(output);
    walkKeyText(text, encoder);
    return std::string(encoder.bytes());
}

int encodedLength(std::string_view text) {
    LengthCounter counter;
    walkKeyText(text, counter);
    return counter.length;
}

int keyAreaSpaceLeft(const KeyTexts& keyText, int modelId) {
    KeyTexts paired = keyText;
    pairModelKeys(paired, modelId);
    int used = 0;
    for (const std::string& text : paired)
        used += encodedLength(text) + 1;
    return static_cast<int>(offsets::keyAreaSize) - used;
}

// Flattened: the walk and the output then live in registers.
[[gnu::flatten]] void encodeImage(TemplateImage& image, KeyTexts& keyText, int modelId) {
    pairModelKeys(keyText, modelId);
    // Zeroed once: the 16-byte copy of a short record reads past its bytes.
    std::array<char, StoredBytes::room> record{};
    record[0] = static_cast<char>(scanMarkerCode); // in front of every record's content
    StoredBytes output(record);
    Encoder encoder(output);
    const auto recordBytes = [&](const std::string& text) -> std::string_view {
        if (text.size() <= maxContentBytes / 2) {
            if (const auto common = encodeCommonText(text, record.data()))
                return *common;
        }
        encoder.reset();
        walkKeyText(text, encoder);
        return encoder.bytes();
    };
    char* const area = reinterpret_cast<char*>(image.data()) + offsets::keyArea;
    char* out = area;
    // Leave one byte for the terminator of each record still to come.
    char* contentEnd = area + maxContentBytes;
    for (std::size_t block = 0; block < 6; ++block) {
        const std::size_t first = 32 * block;
        const std::size_t end = std::min<std::size_t>(first + 32, keyNumberCount);
        for (std::size_t r = first; r < end; ++r) {
            const std::string& text = keyText[keyOrder[r]];
            if (!text.empty()) {
                const std::string_view bytes = recordBytes(text);
                const std::size_t count =
                    std::min(bytes.size(), static_cast<std::size_t>(contentEnd - out));
                // Most records are short: copied as 16 bytes where 16 records or more are
                // still to come, whose bytes then cover what this copy wrote past its record.
                if (count <= 16 && r + 16 < keyNumberCount)
                    std::memcpy(out, bytes.data(), 16);
                else
                    shortBytes::copy(out, bytes.data(), count);
                out += count;
            }
            *out++ = 0;
            ++contentEnd;
        }
        // The records are in place: the block index needs no second pass over them.
        if (block < 5)
            storeBlockIndexEntry(image, block,
                                 static_cast<std::size_t>(out - area) + offsets::keyArea);
    }
}

} // namespace vorn

#include "image/KeyTextEncoder.h"

#include "image/KeyTextWalker.h"
#include "image/KeyWords.h"

#include <algorithm>
#include <cstring>

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

// Builds a record's content bytes in a buffer kept from record to record, grown as needed
// and never shrunk. Its first byte is room for the scan-code marker, so that it need not be
// inserted in front.
class Encoder {
public:
    // Starts a new record.
    void reset() {
        size_ = 1;
        first_ = 1;
        scan_ = false;
        mayHoldZero_ = false;
    }
    // The content bytes of the record walked last.
    std::string_view bytes() const { return {buffer_.data() + first_, size_ - first_}; }
    // False when bytes() surely holds no 0x00.
    bool mayHoldZero() const { return mayHoldZero_; }

    bool literal(char c) {
        put(c);
        return true;
    }
    bool open(bool) { return true; }
    bool plain(char c) { return plainRun({&c, 1}); }
    bool plainRun(std::string_view run) {
        if (scan_) {
            size_ = 1; // plain characters after a key word drop what came before
            return true;
        }
        reserve(run.size());
        bool zero = false;
        for (const char c : run) {
            buffer_[size_++] = c;
            zero |= c == 0;
        }
        mayHoldZero_ |= zero;
        return true;
    }
    bool close(std::string_view word, bool) {
        // Key words are the common case; no key word is spelt like a function word.
        if (const KeyWord* key = findKeyWord(word)) {
            scan_ = true;
            reserve(key->bytes.size());
            std::memcpy(buffer_.data() + size_, key->bytes.data(), key->bytes.size());
            size_ += key->byteCount;
            return true;
        }
        return closeFunctionWord(word);
    }
    bool end(bool inWord) {
        if (inWord) {
            size_ = 1;
        } else if (scan_) {
            buffer_[0] = static_cast<char>(scanMarkerCode);
            first_ = 0;
        }
        return true;
    }

private:
    void put(char c) {
        reserve(1);
        buffer_[size_++] = c;
    }
    void reserve(std::size_t count) {
        if (size_ + count > buffer_.size()) [[unlikely]]
            grow(size_ + count);
    }
    // Out of line, so that reserve() stays small enough to inline.
    [[gnu::noinline]] void grow(std::size_t needed) {
        buffer_.resize(std::max(needed, 2 * buffer_.size()));
    }
    void put(std::uint8_t b) { put(static_cast<char>(b)); }

    bool closeFunctionWord(std::string_view word) {
        if (word == functionWords::separator) {
            put(separatorCode);
        } else if (word == functionWords::caps) {
            put(functionPrefixCode);
            put(capsOperand);
        } else if (word == functionWords::carriageReturn) {
            put(carriageReturnCode);
        } else if (word.starts_with(functionWords::delayPrefix)) {
            put(functionPrefixCode);
            put(uncheckedDelayOperand(word));
            mayHoldZero_ |= buffer_[size_ - 1] == 0;
        } else if (word.starts_with(functionWords::shiftLevelPrefix)) {
            for (int level = 0; level <= shiftLevelDigit(word); ++level)
                put(scanMarkerCode);
            return false; // the rest of the text is ignored
        } else {
            scan_ = true;
            return false; // an unknown word: the record is cut here, without its leading 0xFF
        }
        return true;
    }

    std::string buffer_ = std::string(64, '\0');
    std::size_t size_ = 1;
    std::size_t first_ = 1;
    bool scan_ = false;
    bool mayHoldZero_ = false;
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
        } else if (word == functionWords::caps || word.starts_with(functionWords::delayPrefix)) {
            length += 2;
        } else if (word.starts_with(functionWords::shiftLevelPrefix)) {
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

// Stores a record's content bytes at `pos`, skipping 0x00 bytes, up to `limit`; returns the
// position after them.
std::size_t storeContent(TemplateImage& image, std::size_t pos, std::size_t limit,
                         std::string_view bytes, bool mayHoldZero) {
    if (!mayHoldZero && pos + bytes.size() <= limit) {
        std::memcpy(image.data() + pos, bytes.data(), bytes.size());
        return pos + bytes.size();
    }
    for (const char c : bytes) {
        if (pos >= limit)
            break;
        if (c != 0)
            image[pos++] = static_cast<std::uint8_t>(c);
    }
    return pos;
}

} // namespace

std::string encodeKeyText(std::string_view text) {
    Encoder encoder;
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

void encodeImage(TemplateImage& image, KeyTexts& keyText, int modelId) {
    pairModelKeys(keyText, modelId);
    Encoder encoder;
    std::size_t pos = offsets::keyArea;
    for (std::size_t record = 0; record < static_cast<std::size_t>(keyNumberCount); ++record) {
        const std::string& text = keyText[keyOrder[record]];
        // Leave one byte for this record's terminator and for each record after it.
        const std::size_t contentLimit = offsets::keyArea + maxContentBytes + record;
        if (!text.empty()) {
            encoder.reset();
            walkKeyText(text, encoder);
            pos = storeContent(image, pos, contentLimit, encoder.bytes(), encoder.mayHoldZero());
        }
        image[pos++] = 0;
        // The records are in place: the block index needs no second pass over them.
        if (const std::size_t done = record + 1; done % 32 == 0 && done / 32 <= 5)
            storeBlockIndexEntry(image, done / 32 - 1, pos);
    }
}

} // namespace vorn

#include "image/KeyTextEncoder.h"

#include "image/KeyTextWalker.h"
#include "image/KeyWords.h"

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

class Encoder {
public:
    std::string out;
    bool scan = false;

    bool literal(char c) {
        out += c;
        return true;
    }
    bool open(bool) { return true; }
    bool plain(char c) {
        if (scan)
            out.clear();
        else
            out += c;
        return true;
    }
    bool close(std::string_view word, bool) {
        if (word == functionWords::separator) {
            out += static_cast<char>(separatorCode);
        } else if (word == functionWords::caps) {
            out += static_cast<char>(functionPrefixCode);
            out += static_cast<char>(capsOperand);
        } else if (word == functionWords::carriageReturn) {
            out += static_cast<char>(carriageReturnCode);
        } else if (word.starts_with(functionWords::delayPrefix)) {
            out += static_cast<char>(functionPrefixCode);
            out += static_cast<char>(uncheckedDelayOperand(word));
        } else if (word.starts_with(functionWords::shiftLevelPrefix)) {
            out.append(static_cast<std::size_t>(shiftLevelDigit(word)) + 1,
                       static_cast<char>(scanMarkerCode));
            return false; // the rest of the text is ignored
        } else {
            scan = true;
            const KeyWord* key = findKeyWord(word);
            if (!key)
                return false; // the record is cut here, without its leading 0xFF
            out.append(key->bytes.begin(), key->bytes.begin() + key->byteCount);
        }
        return true;
    }
    bool end(bool inWord) {
        if (inWord)
            out.clear();
        else if (scan)
            out.insert(out.begin(), static_cast<char>(scanMarkerCode));
        return true;
    }
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

} // namespace

std::string encodeKeyText(std::string_view text) {
    Encoder encoder;
    walkKeyText(text, encoder);
    return std::move(encoder.out);
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
    std::size_t pos = offsets::keyArea;
    for (std::size_t record = 0; record < static_cast<std::size_t>(keyNumberCount); ++record) {
        const std::string& text = keyText[keyOrder[record]];
        // Leave one byte for this record's terminator and for each record after it.
        const std::size_t contentLimit = offsets::keyArea + maxContentBytes + record;
        if (!text.empty()) {
            for (const char c : encodeKeyText(text)) {
                if (pos >= contentLimit)
                    break;
                if (c != 0)
                    image[pos++] = static_cast<std::uint8_t>(c);
            }
        }
        image[pos++] = 0;
    }
    writeBlockIndex(image);
}

} // namespace vorn

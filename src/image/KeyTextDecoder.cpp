#include "image/KeyTextDecoder.h"

#include "image/KeyWords.h"

#include <array>

namespace vorn {

namespace {

// Reads the bytes of one record; past the image's end every read yields the terminator.
class RecordReader {
public:
    RecordReader(const TemplateImage& image, std::size_t& pos)
        : image_(image)
        , pos_(pos) {}
    std::uint8_t next() { return pos_ < image_.size() ? image_[pos_++] : 0; }
    // Takes the bytes up to the next one `stop` picks (or the image's end) in one piece.
    template <class Stop> std::string_view takeUntil(Stop stop) {
        const std::size_t first = pos_;
        while (pos_ < image_.size() && !stop(image_[pos_]))
            ++pos_;
        return {reinterpret_cast<const char*>(image_.data()) + first, pos_ - first};
    }

private:
    const TemplateImage& image_;
    std::size_t& pos_;
};

// Appends "PREFIXN]" with N in decimal (0 to 255), without a temporary string.
void appendNumberWord(std::string& text, std::string_view prefix, int value) {
    std::array<char, 3> digits{};
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && count < digits.size());
    text += prefix;
    while (count > 0)
        text += digits[--count];
    text += ']';
}

void appendDelay(std::string& text, int value) {
    appendNumberWord(text, functionWords::delayPrefix, value);
}

// The bytes an ASCII record does not hold as themselves.
constexpr bool isSpecialAsciiByte(std::uint8_t b) {
    return b == 0 || b == carriageReturnCode || b == '[' || b == ']' || b == separatorCode ||
           b == functionPrefixCode;
}

void decodeAsciiRecord(RecordReader& in, std::uint8_t b, std::string& text) {
    for (; b != 0; b = in.next()) {
        switch (b) {
        case carriageReturnCode: text += functionWords::carriageReturn; break;
        case '[': text += "[["; break;
        case ']': text += "]]"; break;
        case separatorCode: text += functionWords::separator; break;
        case functionPrefixCode: {
            const std::uint8_t operand = in.next();
            if (operand == 0)
                return;
            if (operand == capsOperand)
                text += functionWords::caps;
            else
                appendDelay(text, operand);
            break;
        }
        default:
            // A run of plain bytes in one piece.
            text += static_cast<char>(b);
            text += in.takeUntil(isSpecialAsciiByte);
        }
    }
}

// Returns false when the record's terminator was consumed inside a sequence.
bool decodeExtended(RecordReader& in, std::string& text) {
    const std::uint8_t c = in.next();
    if (c == 0)
        return false;
    if (c == 0xF0) {
        text += "[0E0][0F0]";
    } else if (c == 0x2A) {
        const std::uint8_t d = in.next();
        if (d == 0)
            return false;
        if (d != 0xE0)
            return true;
        const std::uint8_t e = in.next();
        if (e == 0)
            return false;
        if (e == 0x37)
            text += "[PrintScreen]";
    } else {
        text += extendedCodeWord(c);
    }
    return true;
}

bool decodePause(RecordReader& in, std::string& text) {
    const std::uint8_t c = in.next();
    if (c == 0)
        return false;
    if (c != 0x1D)
        return true;
    const std::uint8_t d = in.next();
    if (d == 0)
        return false;
    if (d == 0x45)
        text += "[PauseBreak]";
    return true;
}

void decodeScanRecord(RecordReader& in, std::string& text) {
    int levels = 0;
    for (std::uint8_t b = in.next(); b != 0; b = in.next()) {
        bool recordGoesOn = true;
        switch (b) {
        case 0xE0: recordGoesOn = decodeExtended(in, text); break;
        case 0xE1: recordGoesOn = decodePause(in, text); break;
        case scanMarkerCode: ++levels; break;
        case functionPrefixCode: {
            const std::uint8_t operand = in.next();
            recordGoesOn = operand != 0;
            if (recordGoesOn && operand != capsOperand)
                appendDelay(text, operand > maxDelay ? maxDelay - 1 : operand);
            break;
        }
        case 0xF0: text += "[0F0]"; break;
        case separatorCode: text += functionWords::separator; break;
        default: text += scanCodeWord(b);
        }
        if (!recordGoesOn)
            break;
    }
    if (levels > 0) {
        text += functionWords::shiftLevelPrefix;
        text += std::to_string(levels);
        text += ']';
    }
}

// Decodes into `text`, reusing its storage.
void decodeRecordInto(const TemplateImage& image, std::size_t& pos, std::string& text) {
    RecordReader in(image, pos);
    text.clear();
    const std::uint8_t first = in.next();
    if (first == scanMarkerCode)
        decodeScanRecord(in, text);
    else if (first != 0)
        decodeAsciiRecord(in, first, text);
}

} // namespace

std::string decodeRecord(const TemplateImage& image, std::size_t& pos) {
    std::string text;
    decodeRecordInto(image, pos, text);
    return text;
}

void decodeImage(const TemplateImage& image, int modelId, KeyTexts& keyText) {
    std::size_t pos = offsets::keyArea;
    for (int record = 0; record < keyNumberCount; ++record)
        decodeRecordInto(image, pos, keyText[keyOrder[record]]);
    pairModelKeys(keyText, modelId);
}

} // namespace vorn

#include "image/KeyTextDecoder.h"

#include "image/KeyWords.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vorn {

namespace {

// Reads the bytes of one record; past the image's end every read yields the terminator.
class RecordReader {
public:
    RecordReader(const TemplateImage& image, std::size_t pos)
        : next_(image.data() + std::min(pos, image.size()))
        , end_(image.data() + image.size())
        , begin_(image.data()) {}
    std::uint8_t next() { return next_ < end_ ? *next_++ : 0; }
    std::size_t position() const { return static_cast<std::size_t>(next_ - begin_); }

private:
    const std::uint8_t* next_;
    const std::uint8_t* end_;
    const std::uint8_t* begin_;
};

// Gathers a record's text in a fixed buffer and hands it to the string in few pieces:
// most records end up as a single assignment.
class TextSink {
public:
    explicit TextSink(std::string& text)
        : text_(text) {
        text_.clear();
    }
    void add(char c) {
        makeRoom(1);
        buffer_[size_++] = c;
    }
    // Copies the whole cell, whatever the name's length: a few fixed moves.
    void add(const CodeName& name) {
        makeRoom(name.chars.size());
        std::memcpy(buffer_.data() + size_, name.chars.data(), name.chars.size());
        size_ += name.size;
    }
    void finish() { text_.append(buffer_.data(), size_); }

private:
    void makeRoom(std::size_t count) {
        if (size_ + count > buffer_.size()) [[unlikely]] {
            finish();
            size_ = 0;
        }
    }

    std::string& text_;
    std::array<char, 256> buffer_;
    std::size_t size_ = 0;
};

// Fixed words the decoder writes, in cells.
namespace words {
constexpr CodeName carriageReturn = CodeName::of(functionWords::carriageReturn);
constexpr CodeName separator = CodeName::of(functionWords::separator);
constexpr CodeName caps = CodeName::of(functionWords::caps);
constexpr CodeName openBracket = CodeName::of("[[");
constexpr CodeName closeBracket = CodeName::of("]]");
constexpr CodeName breakPrefixes = CodeName::of("[0E0][0F0]");
constexpr CodeName breakPrefix = CodeName::of("[0F0]");
constexpr CodeName printScreen = CodeName::of("[PrintScreen]");
constexpr CodeName pauseBreak = CodeName::of("[PauseBreak]");
constexpr CodeName delayPrefix = CodeName::of(functionWords::delayPrefix);
constexpr CodeName shiftLevelPrefix = CodeName::of(functionWords::shiftLevelPrefix);
} // namespace words

// Adds "PREFIXN]" with N (not negative) in decimal.
void addNumberWord(TextSink& text, const CodeName& prefix, int value) {
    std::array<char, 10> digits{};
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && count < digits.size());
    text.add(prefix);
    while (count > 0)
        text.add(digits[--count]);
    text.add(']');
}

void addDelay(TextSink& text, int value) {
    addNumberWord(text, words::delayPrefix, value);
}

void decodeAsciiRecord(RecordReader& in, std::uint8_t b, TextSink& text) {
    for (; b != 0; b = in.next()) {
        switch (b) {
        case carriageReturnCode: text.add(words::carriageReturn); break;
        case '[': text.add(words::openBracket); break;
        case ']': text.add(words::closeBracket); break;
        case separatorCode: text.add(words::separator); break;
        case functionPrefixCode: {
            const std::uint8_t operand = in.next();
            if (operand == 0)
                return;
            if (operand == capsOperand)
                text.add(words::caps);
            else
                addDelay(text, operand);
            break;
        }
        default: text.add(static_cast<char>(b));
        }
    }
}

// Returns false when the record's terminator was consumed inside a sequence.
bool decodeExtended(RecordReader& in, TextSink& text) {
    const std::uint8_t c = in.next();
    if (c == 0)
        return false;
    if (c == 0xF0) {
        text.add(words::breakPrefixes);
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
            text.add(words::printScreen);
    } else {
        text.add(codeNameTables().extended[c]);
    }
    return true;
}

bool decodePause(RecordReader& in, TextSink& text) {
    const std::uint8_t c = in.next();
    if (c == 0)
        return false;
    if (c != 0x1D)
        return true;
    const std::uint8_t d = in.next();
    if (d == 0)
        return false;
    if (d == 0x45)
        text.add(words::pauseBreak);
    return true;
}

void decodeScanRecord(RecordReader& in, TextSink& text) {
    const auto& names = codeNameTables().single;
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
                addDelay(text, operand > maxDelay ? maxDelay - 1 : operand);
            break;
        }
        case 0xF0: text.add(words::breakPrefix); break;
        case separatorCode: text.add(words::separator); break;
        default: text.add(names[b]);
        }
        if (!recordGoesOn)
            break;
    }
    if (levels > 0)
        addNumberWord(text, words::shiftLevelPrefix, levels);
}

// Decodes into `text`, reusing its storage.
void decodeRecordInto(const TemplateImage& image, std::size_t& pos, std::string& text) {
    RecordReader in(image, pos);
    TextSink sink(text);
    const std::uint8_t first = in.next();
    if (first == scanMarkerCode)
        decodeScanRecord(in, sink);
    else if (first != 0)
        decodeAsciiRecord(in, first, sink);
    sink.finish();
    pos = std::max(pos, in.position());
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/KeyTextDecoder.h"

#include "image/KeyWords.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <memory>

namespace vorn {

namespace {

// The decoder writes every name as a whole cell. A record's text takes at most one cell per
// image byte and one for its shift-level word; one more holds the last cell's unused tail.
constexpr std::size_t cellSize = sizeof(CodeName::chars);
constexpr std::size_t textRoom = (imageSize + 2) * cellSize;

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

constexpr std::array<bool, 256> marked(std::initializer_list<std::uint8_t> bytes) {
    std::array<bool, 256> marks{};
    for (const std::uint8_t b : bytes)
        marks[b] = true;
    return marks;
}

// The bytes an ASCII record does not hold as themselves, and the bytes of a scan-code record
// that are not single codes; both with the terminator, so that one test covers it too.
constexpr auto asciiSpecial =
    marked({0, carriageReturnCode, '[', ']', separatorCode, functionPrefixCode});
constexpr auto scanSpecial =
    marked({0, 0xE0, 0xE1, scanMarkerCode, functionPrefixCode, 0xF0, separatorCode});

// Decodes records from an image into a character buffer. It reads from a copy of the image
// followed by a 0x00 for every record: every sequence stops at the first 0x00 it reads, and
// each record reads one 0x00 at most, so no read needs an end check and all 176 records
// decoded one after the other stay inside the copy. The read and write positions are locals
// of the decoding functions, so that the compiler keeps them in registers.
class RecordDecoder {
public:
    explicit RecordDecoder(const TemplateImage& image)
        : names_(codeNameTables()) {
        std::copy(image.begin(), image.end(), bytes_.begin());
        std::fill(bytes_.begin() + imageSize, bytes_.end(), 0);
    }

    const std::uint8_t* at(std::size_t pos) const {
        return bytes_.data() + std::min(pos, imageSize);
    }
    // The position of `in` in the image (its end at the most).
    std::size_t position(const std::uint8_t* in) const {
        return std::min(static_cast<std::size_t>(in - bytes_.data()), imageSize);
    }

    // Decodes the record at `in` to `out`; returns the end of its text and leaves `in` after
    // the record's 0x00.
    char* decode(const std::uint8_t*& in, char* out) const {
        const std::uint8_t first = *in++;
        if (first == scanMarkerCode)
            out = decodeScanRecord(in, out);
        else if (first != 0)
            out = decodeAsciiRecord(in, first, out);
        return out;
    }

private:
    static std::uint8_t next(const std::uint8_t*& in) { return *in++; }

    // Copies the whole cell, whatever the name's length: a few fixed moves.
    static char* add(char* out, const CodeName& name) {
        std::memcpy(out, name.chars.data(), cellSize);
        return out + name.size;
    }

    // Adds "PREFIXN]" with N (not negative) in decimal.
    static char* addNumberWord(char* out, const CodeName& prefix, int value) {
        std::array<char, 10> digits{};
        std::size_t count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0 && count < digits.size());
        out = add(out, prefix);
        while (count > 0)
            *out++ = digits[--count];
        *out++ = ']';
        return out;
    }

    static char* decodeAsciiRecord(const std::uint8_t*& in, std::uint8_t b, char* out) {
        for (;; b = next(in)) {
            if (!asciiSpecial[b]) {
                *out++ = static_cast<char>(b);
                continue;
            }
            switch (b) {
            case 0: return out;
            case carriageReturnCode: out = add(out, words::carriageReturn); break;
            case '[': out = add(out, words::openBracket); break;
            case ']': out = add(out, words::closeBracket); break;
            case separatorCode: out = add(out, words::separator); break;
            case functionPrefixCode: {
                const std::uint8_t operand = next(in);
                if (operand == 0)
                    return out;
                if (operand == capsOperand)
                    out = add(out, words::caps);
                else
                    out = addNumberWord(out, words::delayPrefix, operand);
                break;
            }
            default: break;
            }
        }
    }

    // Returns null when the record's terminator was read inside the sequence.
    char* decodeExtended(const std::uint8_t*& in, char* out) const {
        const std::uint8_t c = next(in);
        if (c == 0)
            return nullptr;
        if (c == 0xF0)
            return add(out, words::breakPrefixes);
        if (c != 0x2A)
            return add(out, names_.extended[c]);
        const std::uint8_t d = next(in);
        if (d == 0)
            return nullptr;
        if (d != 0xE0)
            return out;
        const std::uint8_t e = next(in);
        if (e == 0)
            return nullptr;
        return e == 0x37 ? add(out, words::printScreen) : out;
    }

    // Returns null when the record's terminator was read inside the sequence.
    static char* decodePause(const std::uint8_t*& in, char* out) {
        const std::uint8_t c = next(in);
        if (c == 0)
            return nullptr;
        if (c != 0x1D)
            return out;
        const std::uint8_t d = next(in);
        if (d == 0)
            return nullptr;
        return d == 0x45 ? add(out, words::pauseBreak) : out;
    }

    char* decodeScanRecord(const std::uint8_t*& in, char* out) const {
        int levels = 0;
        for (std::uint8_t b = next(in);; b = next(in)) {
            if (!scanSpecial[b]) {
                out = add(out, names_.single[b]);
                continue;
            }
            char* after = out;
            switch (b) {
            case 0: after = nullptr; break;
            case 0xE0: after = decodeExtended(in, out); break;
            case 0xE1: after = decodePause(in, out); break;
            case scanMarkerCode: ++levels; break;
            case functionPrefixCode: {
                const std::uint8_t operand = next(in);
                if (operand == 0)
                    after = nullptr;
                else if (operand != capsOperand)
                    after = addNumberWord(out, words::delayPrefix,
                                          operand > maxDelay ? maxDelay - 1 : operand);
                break;
            }
            case 0xF0: after = add(out, words::breakPrefix); break;
            case separatorCode: after = add(out, words::separator); break;
            default: break;
            }
            if (!after)
                break;
            out = after;
        }
        if (levels > 0)
            out = addNumberWord(out, words::shiftLevelPrefix, levels);
        return out;
    }

    const CodeNameTables& names_;
    std::array<std::uint8_t, imageSize + keyNumberCount> bytes_;
};

std::unique_ptr<char[]> textBuffer() {
    return std::make_unique_for_overwrite<char[]>(textRoom);
}

} // namespace

std::string decodeRecord(const TemplateImage& image, std::size_t& pos) {
    const auto buffer = textBuffer();
    const RecordDecoder decoder(image);
    const std::uint8_t* in = decoder.at(pos);
    char* end = decoder.decode(in, buffer.get());
    pos = std::max(pos, decoder.position(in));
    return std::string(buffer.get(), end);
}

// Flattened: the decoding loops then keep their positions in registers.
[[gnu::flatten]] void decodeImage(const TemplateImage& image, int modelId, KeyTexts& keyText) {
    const auto buffer = textBuffer();
    const RecordDecoder decoder(image);
    const std::uint8_t* in = decoder.at(offsets::keyArea);
    for (int record = 0; record < keyNumberCount; ++record) {
        const char* end = decoder.decode(in, buffer.get());
        keyText[keyOrder[record]].assign(buffer.get(),
                                         static_cast<std::size_t>(end - buffer.get()));
    }
    pairModelKeys(keyText, modelId);
}

} // namespace vorn

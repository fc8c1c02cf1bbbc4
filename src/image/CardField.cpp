// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/CardField.h"

#include <algorithm>
#include <array>

namespace vorn {

namespace {

struct CardWord {
    std::string_view text;
    std::uint8_t byte;
};

constexpr std::array<CardWord, 3> cardWords{{{"[CR]", 0x0D}, {"[LF]", 0x0A}, {"[TB]", 0x09}}};
constexpr std::uint8_t emptyFieldByte = 0xFF;

struct CardUnit {
    std::size_t length; // characters of the text it uses up
    bool valid;
    std::uint8_t byte; // meaningful when valid
};

// The unit that starts at text[i].
CardUnit nextCardUnit(std::string_view text, std::size_t i) {
    const std::string_view rest = text.substr(i);
    if (rest[0] != '[')
        return {1, true, static_cast<std::uint8_t>(rest[0])};
    if (rest.starts_with("[["))
        return {2, true, '['};
    for (const CardWord& w : cardWords)
        if (rest.starts_with(w.text))
            return {w.text.size(), true, w.byte};
    // Invalid: how far the broken bracket word reaches before it fails to match.
    std::size_t length = 2;
    for (const CardWord& w : cardWords) {
        if (rest.size() > 1 && rest[1] == w.text[1])
            length = rest.size() > 2 && rest[2] == w.text[2] ? 4 : 3;
    }
    return {std::min(length, rest.size()), false, emptyFieldByte};
}

std::size_t clampedSize(std::size_t offset, std::size_t size) {
    return offset >= imageSize ? 0 : std::min(size, imageSize - offset);
}

} // namespace

std::string decodeCardField(const TemplateImage& image, std::size_t offset, std::size_t size) {
    std::string text;
    size = clampedSize(offset, size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = image[offset + i];
        if (b == emptyFieldByte)
            break;
        const auto word = std::find_if(cardWords.begin(), cardWords.end(),
                                       [b](const CardWord& w) { return w.byte == b; });
        if (word != cardWords.end())
            text += word->text;
        else if (b == '[')
            text += "[[";
        else
            text += static_cast<char>(b);
    }
    return text;
}

void encodeCardField(std::string_view text, TemplateImage& image, std::size_t offset,
                     std::size_t size) {
    size = clampedSize(offset, size);
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(offset), size, emptyFieldByte);
    std::size_t position = 0;
    for (std::size_t i = 0; i < text.size() && position < size; ++position) {
        const CardUnit unit = nextCardUnit(text, i);
        if (unit.valid)
            image[offset + position] = unit.byte;
        i += unit.length;
    }
}

bool checkCardText(std::string_view text, std::size_t size) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); ++units) {
        const CardUnit unit = nextCardUnit(text, i);
        if (!unit.valid)
            return false;
        i += unit.length;
    }
    return units <= size;
}

} // namespace vorn

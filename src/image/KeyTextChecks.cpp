// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/KeyTextChecks.h"

#include "image/KeyTextWalker.h"
#include "image/KeyWords.h"

namespace vorn {

namespace {

// The ASCII-mode check; also builds the decimal display form when asked to.
class AsciiChecker {
public:
    AsciiChecker(std::string_view text, std::string* decimal)
        : text_(text)
        , decimal_(decimal) {}

    bool literal(char) { return true; }
    bool open(bool) { return true; }
    // Some bytes cannot be stored as the characters they are: a 0x00 would end the key's
    // record, a 0xFD would take the next byte as a delay or Caps operand ("\xFDA" comes back
    // as "[Delay65]") and a 0xFE is the level separator. Their words are "[Delay5]", "[Caps]"
    // and "[Separator]".
    bool plain(char c) {
        if (c == '\0' || c == '\xFD' || c == '\xFE')
            return false;
        if (decimal_) {
            *decimal_ += '[';
            *decimal_ += std::to_string(static_cast<unsigned char>(c));
            *decimal_ += ']';
        }
        return true;
    }
    bool close(std::string_view word, bool wasOpen) {
        if (!wasOpen || !acceptsWord(word))
            return false;
        if (decimal_)
            *decimal_ += word;
        return true;
    }
    bool end(bool inWord) { return !inWord; }

private:
    bool acceptsWord(std::string_view word) const {
        if (word == functionWords::separator || word == functionWords::caps ||
            word == functionWords::carriageReturn)
            return true;
        if (word.starts_with(functionWords::delayPrefix))
            return delayWordValue(word).has_value();
        if (word.starts_with(functionWords::shiftLevelPrefix))
            return text_.size() == 13 && text_[11] >= '1' && text_[11] <= '9';
        return false;
    }

    std::string_view text_;
    std::string* decimal_;
};

class ScanChecker {
public:
    bool literal(char) { return false; }
    bool open(bool alreadyOpen) { return !alreadyOpen; }
    bool plain(char) { return false; }
    bool close(std::string_view word, bool wasOpen) {
        return wasOpen && !scanWordBytes(word).empty();
    }
    bool end(bool inWord) { return !inWord; }
};

// A 0xFF first would make the record a scan-code record ("\xFFA" comes back as "[F7]").
bool startsAsScanRecord(std::string_view text) {
    return !text.empty() && text.front() == '\xFF';
}

} // namespace

bool isAsciiText(std::string_view text) {
    AsciiChecker checker(text, nullptr);
    return !startsAsScanRecord(text) && walkKeyText(text, checker);
}

bool isScanText(std::string_view text) {
    ScanChecker checker;
    return walkKeyText(text, checker);
}

bool isValidKeyText(std::string_view text) {
    return isAsciiText(text) || isScanText(text);
}

std::optional<int> firstInvalidKeyText(const KeyTexts& keyText) {
    for (int key = 0; key < keyNumberCount; ++key)
        if (!isValidKeyText(keyText[key]))
            return key;
    return std::nullopt;
}

std::string decimalDisplayForm(std::string_view text) {
    std::string decimal;
    AsciiChecker checker(text, &decimal);
    if (startsAsScanRecord(text) || !walkKeyText(text, checker))
        return {};
    return decimal;
}

} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The eleven text edits of the card reader properties dialog, in the order in which OK takes
// their values.
enum class CardEdit {
    track1Prefix,
    track1Suffix,
    track2Prefix,
    track2Suffix,
    track3Prefix,
    track3Suffix,
    track1Terminator,
    track2Terminator,
    track3Terminator,
    cardSuffix,
    cardPrefix,
};
inline constexpr std::size_t cardEditCount = 11;

// One edit: its name, the image field it shows, how many characters it takes (the field's
// size) and the message when its text fails checkCardText.
struct CardEditField {
    CardEdit edit;
    std::string_view name;
    std::size_t offset;
    std::size_t size;
    std::string_view errorMessage;
};

const CardEditField& cardEditField(CardEdit edit);
const std::array<CardEditField, cardEditCount>& cardEditFields();

// "Enter no more than %1 characters." with the edit's limit.
std::string tooLongMessage(std::size_t limit);

// The switches of one track of the card reader.
struct TrackProperties {
    bool lrc = false;
    bool data = false;
    bool endSentinel = false;
    bool separator = false;
    bool startSentinel = false;

    bool operator==(const TrackProperties&) const = default;
};

inline constexpr int skipTrackWithError = 0;
inline constexpr int noDataWithAnyError = 1;

// The controls of the card reader properties dialog. Texts are in the readable form of
// decodeCardField.
struct CardReaderProperties {
    std::array<TrackProperties, 3> tracks{};
    std::array<std::string, cardEditCount> texts{}; // by CardEdit
    bool beepGoodRead = false;
    bool beepReadError = false;
    int errorPolicy = skipTrackWithError;

    bool operator==(const CardReaderProperties&) const = default;

    std::string& text(CardEdit edit) { return texts[static_cast<std::size_t>(edit)]; }
    const std::string& text(CardEdit edit) const { return texts[static_cast<std::size_t>(edit)]; }

    // The first edit, in the order OK takes them, whose text is longer than it may be; such a
    // text comes only from control bytes or '[' loaded from the image.
    std::optional<CardEdit> firstTooLong() const;
    // Whether the edit's text passes checkCardText.
    bool textIsValid(CardEdit edit) const;
    // The first edit, in the order OK takes them, whose text fails checkCardText.
    std::optional<CardEdit> firstInvalid() const;

    static CardReaderProperties load(const TemplateImage& image);
    // Writes the fields, the track switches (bits 0 to 3 and 7), featureFlags bit 1 and
    // optionFlags bits 6 and 7; every other bit keeps its value.
    void store(TemplateImage& image) const;
};

} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/CardReaderProperties.h"

#include "document/Translation.h"
#include "image/CardField.h"
#include "image/SettingsBits.h"

#include <algorithm>

namespace vorn {

namespace {

using enum CardEdit;

constexpr std::array<CardEditField, cardEditCount> editFields{{
    {track1Prefix, "track1Prefix", offsets::track1Prefix, trackFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Track1 prefix string error!")},
    {track1Suffix, "track1Suffix", offsets::track1Suffix, trackFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Track1 suffix string error!")},
    {track2Prefix, "track2Prefix", offsets::track2Prefix, trackFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Track2 prefix string error!")},
    {track2Suffix, "track2Suffix", offsets::track2Suffix, trackFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Track2 suffix string error!")},
    {track3Prefix, "track3Prefix", offsets::track3Prefix, trackFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Track3 prefix string error!")},
    {track3Suffix, "track3Suffix", offsets::track3Suffix, trackFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Track3 suffix string error!")},
    {track1Terminator, "track1Terminator", offsets::track1Terminator, terminatorFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Track1 field terminator error!")},
    {track2Terminator, "track2Terminator", offsets::track2Terminator, terminatorFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Track2 field terminator error!")},
    {track3Terminator, "track3Terminator", offsets::track3Terminator, terminatorFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Track3 field terminator error!")},
    {cardSuffix, "cardSuffix", offsets::cardSuffix, cardFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Card data suffix string error!")},
    {cardPrefix, "cardPrefix", offsets::cardPrefix, cardFieldSize,
     VORN_TRANSLATE_NOOP("vorn::Messages", "Card data prefix string error!")},
}};

constexpr std::array<SettingsByte, 3> trackFlags{
    SettingsByte::track1Flags, SettingsByte::track2Flags, SettingsByte::track3Flags};

TrackProperties loadTrack(const TemplateImage& image, SettingsByte flags) {
    TrackProperties t;
    t.data = settingsBit(image, flags, trackBit::data);
    t.startSentinel = settingsBit(image, flags, trackBit::startSentinel);
    t.endSentinel = settingsBit(image, flags, trackBit::endSentinel);
    t.separator = settingsBit(image, flags, trackBit::separator);
    t.lrc = !settingsBit(image, flags, trackBit::lrcDisabled);
    return t;
}

void storeTrack(const TrackProperties& t, TemplateImage& image, SettingsByte flags) {
    setSettingsBit(image, flags, trackBit::data, t.data);
    setSettingsBit(image, flags, trackBit::startSentinel, t.startSentinel);
    setSettingsBit(image, flags, trackBit::endSentinel, t.endSentinel);
    setSettingsBit(image, flags, trackBit::separator, t.separator);
    setSettingsBit(image, flags, trackBit::lrcDisabled, !t.lrc);
}

} // namespace

const std::array<CardEditField, cardEditCount>& cardEditFields() {
    return editFields;
}

const CardEditField& cardEditField(CardEdit edit) {
    return editFields[static_cast<std::size_t>(edit)];
}

std::string tooLongMessage(std::size_t limit) {
    return fillIn(translateText("vorn::Messages", "Enter no more than %1 characters."),
                  {std::to_string(limit)});
}

std::optional<CardEdit> CardReaderProperties::firstTooLong() const {
    const auto over =
        std::find_if(editFields.begin(), editFields.end(),
                     [this](const CardEditField& f) { return text(f.edit).size() > f.size; });
    if (over == editFields.end())
        return std::nullopt;
    return over->edit;
}

bool CardReaderProperties::textIsValid(CardEdit edit) const {
    return checkCardText(text(edit), cardEditField(edit).size);
}

std::optional<CardEdit> CardReaderProperties::firstInvalid() const {
    const auto invalid =
        std::find_if(editFields.begin(), editFields.end(),
                     [this](const CardEditField& f) { return !textIsValid(f.edit); });
    if (invalid == editFields.end())
        return std::nullopt;
    return invalid->edit;
}

CardReaderProperties CardReaderProperties::load(const TemplateImage& image) {
    CardReaderProperties p;
    for (const CardEditField& f : editFields)
        p.text(f.edit) = decodeCardField(image, f.offset, f.size);
    for (std::size_t t = 0; t < trackFlags.size(); ++t)
        p.tracks[t] = loadTrack(image, trackFlags[t]);
    p.errorPolicy = settingsBit(image, SettingsByte::featureFlags, featureBit::skipTrackWithError)
                        ? skipTrackWithError
                        : noDataWithAnyError;
    p.beepGoodRead = settingsBit(image, SettingsByte::optionFlags, optionBit::beepGoodRead);
    p.beepReadError = settingsBit(image, SettingsByte::optionFlags, optionBit::beepReadError);
    return p;
}

void CardReaderProperties::store(TemplateImage& image) const {
    for (const CardEditField& f : editFields)
        encodeCardField(text(f.edit), image, f.offset, f.size);
    for (std::size_t t = 0; t < trackFlags.size(); ++t)
        storeTrack(tracks[t], image, trackFlags[t]);
    setSettingsBit(image, SettingsByte::featureFlags, featureBit::skipTrackWithError,
                   errorPolicy == skipTrackWithError);
    setSettingsBit(image, SettingsByte::optionFlags, optionBit::beepGoodRead, beepGoodRead);
    setSettingsBit(image, SettingsByte::optionFlags, optionBit::beepReadError, beepReadError);
}

} // namespace vorn

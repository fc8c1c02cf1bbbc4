// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PropertySettings.h"

#include "cli/DumpFormat.h"
#include "image/CardField.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <span>
#include <variant>

namespace vorn::cli {

namespace {

using Values = PropertySettings::Values;
using Slot = std::variant<bool*, int*, std::string*>;

// Where a setting lives: the keyboard properties of every model, their RS232 port group (models
// without a card reader) or the card reader properties (models with one).
enum class Section { keyboard, serialPort, cardReader };
enum class Kind { flag, choice, delay, text };

constexpr std::array<std::string_view, 4> baudRates{"2400", "4800", "9600", "19200"};
constexpr std::array<std::string_view, 3> parities{"NONE", "EVEN", "ODD"};
constexpr std::array<std::string_view, 2> bitNumbers{"7", "8"};
// By errorPolicy: skipTrackWithError, noDataWithAnyError.
constexpr std::array<std::string_view, 2> errorPolicies{"skipTrackWithError", "noDataWithAnyError"};

struct Setting {
    std::string name;
    Section section;
    Kind kind;
    std::function<Slot(Values&)> slot;
    std::span<const std::string_view> choices{};
    CardEdit edit{};
};

Setting keyboardFlag(std::string name, bool KeyboardProperties::*member,
                     Section section = Section::keyboard) {
    return {std::move(name), section, Kind::flag,
            [member](Values& v) { return Slot{&(v.keyboard.*member)}; }};
}

Setting portChoice(std::string name, int KeyboardProperties::*member,
                   std::span<const std::string_view> choices) {
    return {std::move(name), Section::serialPort, Kind::choice,
            [member](Values& v) { return Slot{&(v.keyboard.*member)}; }, choices};
}

Setting cardFlag(std::string name, bool CardReaderProperties::*member) {
    return {std::move(name), Section::cardReader, Kind::flag,
            [member](Values& v) { return Slot{&(v.cardReader.*member)}; }};
}

Setting trackFlag(std::size_t track, std::string_view control, bool TrackProperties::*member) {
    return {"track" + std::to_string(track + 1) + std::string(control), Section::cardReader,
            Kind::flag,
            [track, member](Values& v) { return Slot{&(v.cardReader.tracks[track].*member)}; }};
}

Setting cardText(std::string_view name) {
    const auto& fields = cardEditFields();
    const auto field = std::find_if(fields.begin(), fields.end(),
                                    [name](const CardEditField& f) { return f.name == name; });
    const CardEdit edit = field->edit;
    return {std::string(name),
            Section::cardReader,
            Kind::text,
            [edit](Values& v) { return Slot{&v.cardReader.text(edit)}; },
            {},
            edit};
}

// Every setting, in the order of the dialogs' controls.
std::vector<Setting> makeSettings() {
    using K = KeyboardProperties;
    std::vector<Setting> all{
        keyboardFlag("oposJpos", &K::oposJpos),
        keyboardFlag("sendBreakCode", &K::sendBreakCode),
        keyboardFlag("beepOnKey", &K::beepOnKey),
        keyboardFlag("noBeepUndefined", &K::noBeepUndefined),
        keyboardFlag("translateSet2", &K::translateSet2),
        keyboardFlag("altNumber", &K::altNumber),
        keyboardFlag("typematicScan", &K::typematicScan),
        keyboardFlag("typematicAscii", &K::typematicAscii),
        {"interCharDelay", Section::keyboard, Kind::delay,
         [](Values& v) { return Slot{&v.keyboard.interCharDelay}; }},
        keyboardFlag("usePort", &K::usePort, Section::serialPort),
        portChoice("baudRate", &K::baudIndex, baudRates),
        portChoice("parity", &K::parityIndex, parities),
        portChoice("bitNumber", &K::bitsIndex, bitNumbers),
        cardText("cardPrefix"),
        cardText("cardSuffix"),
        {"errorPolicy", Section::cardReader, Kind::choice,
         [](Values& v) { return Slot{&v.cardReader.errorPolicy}; }, errorPolicies},
        cardFlag("beepGoodRead", &CardReaderProperties::beepGoodRead),
        cardFlag("beepReadError", &CardReaderProperties::beepReadError),
    };
    for (std::size_t track = 0; track < 3; ++track) {
        const std::string n = "track" + std::to_string(track + 1);
        all.push_back(trackFlag(track, "Data", &TrackProperties::data));
        all.push_back(trackFlag(track, "Start", &TrackProperties::startSentinel));
        all.push_back(trackFlag(track, "Lrc", &TrackProperties::lrc));
        all.push_back(trackFlag(track, "Separator", &TrackProperties::separator));
        all.push_back(trackFlag(track, "End", &TrackProperties::endSentinel));
        all.push_back(cardText(n + "Prefix"));
        all.push_back(cardText(n + "Terminator"));
        all.push_back(cardText(n + "Suffix"));
    }
    return all;
}

const std::vector<Setting>& settings() {
    static const std::vector<Setting> table = makeSettings();
    return table;
}

const Setting* findSetting(std::string_view name) {
    const auto& all = settings();
    const auto it =
        std::find_if(all.begin(), all.end(), [name](const Setting& s) { return s.name == name; });
    return it == all.end() ? nullptr : &*it;
}

bool applies(Section section, ModelGroup group) {
    switch (section) {
    case Section::keyboard: return true;
    case Section::serialPort: return group == ModelGroup::serialPort;
    case Section::cardReader: return group == ModelGroup::cardReader;
    }
    return false;
}

std::string format(const Setting& s, Values& values) {
    const Slot slot = s.slot(values);
    switch (s.kind) {
    case Kind::flag: return *std::get<bool*>(slot) ? "1" : "0";
    case Kind::choice: {
        const auto index = static_cast<std::size_t>(*std::get<int*>(slot));
        return index < s.choices.size() ? std::string(s.choices[index]) : std::to_string(index);
    }
    case Kind::delay: return std::to_string(*std::get<int*>(slot));
    case Kind::text: return escapeKeyText(*std::get<std::string*>(slot));
    }
    return {};
}

// "A, B or C"
std::string listOf(std::span<const std::string_view> choices) {
    std::string text;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0)
            text += i + 1 == choices.size() ? " or " : ", ";
        text += choices[i];
    }
    return text;
}

bool parseFlag(const Setting& s, Slot slot, std::string_view value, std::string& message) {
    if (value != "0" && value != "1") {
        message = "vornctl: " + s.name + " takes 0 or 1";
        return false;
    }
    *std::get<bool*>(slot) = value == "1";
    return true;
}

bool parseChoice(const Setting& s, Slot slot, std::string_view value, std::string& message) {
    const auto it = std::find(s.choices.begin(), s.choices.end(), value);
    if (it == s.choices.end()) {
        message = "vornctl: " + s.name + " takes " + listOf(s.choices);
        return false;
    }
    *std::get<int*>(slot) = static_cast<int>(it - s.choices.begin());
    return true;
}

// The range of the dialog's spin control.
bool parseDelay(const Setting& s, Slot slot, std::string_view value, std::string& message) {
    int delay = 0;
    const char* end = value.data() + value.size();
    const auto [ptr, ec] = std::from_chars(value.data(), end, delay);
    if (ec != std::errc() || ptr != end || delay < minInterCharDelay || delay > maxInterCharDelay) {
        message = "vornctl: " + s.name + " takes " + std::to_string(minInterCharDelay) + " to " +
                  std::to_string(maxInterCharDelay);
        return false;
    }
    *std::get<int*>(slot) = delay;
    return true;
}

// A card text passes what its edit takes: no more characters than the field has bytes, and
// the edit's check, which the dialog only warns about (stored anyway, such a text loses the
// units after a bad '['). 0xFF ends a field's text, so it cannot be part of one.
bool parseText(const Setting& s, Slot slot, std::string_view value, std::string& message) {
    const CardEditField& field = cardEditField(s.edit);
    std::string error;
    const auto text = unescapeKeyText(value, error);
    if (!text) {
        message = "vornctl: " + s.name + ": " + error;
        return false;
    }
    if (text->find('\xFF') != std::string::npos) {
        message = "vornctl: " + s.name + ": the byte 0xFF ends a card reader text";
        return false;
    }
    if (text->size() > field.size) {
        message = tooLongMessage(field.size) + "\nsetting " + s.name;
        return false;
    }
    if (!checkCardText(*text, field.size)) {
        message = std::string(field.errorMessage) + "\nsetting " + s.name;
        return false;
    }
    *std::get<std::string*>(slot) = *text;
    return true;
}

bool parseInto(const Setting& s, Values& values, std::string_view value, std::string& message) {
    const Slot slot = s.slot(values);
    switch (s.kind) {
    case Kind::flag: return parseFlag(s, slot, value, message);
    case Kind::choice: return parseChoice(s, slot, value, message);
    case Kind::delay: return parseDelay(s, slot, value, message);
    case Kind::text: return parseText(s, slot, value, message);
    }
    return false;
}

// The detection state of a command line, where no keyboard is connected.
constexpr int noDetectedPort = -1;

} // namespace

PropertySettings::PropertySettings(const TemplateImage& image, ModelGroup group)
    : group_(group)
    , values_{KeyboardProperties::load(image, group, noDetectedPort),
              CardReaderProperties::load(image)} {}

std::vector<std::pair<std::string, std::string>> PropertySettings::list() const {
    Values values = values_; // the slots give write access
    std::vector<std::pair<std::string, std::string>> lines;
    for (const Setting& s : settings())
        if (applies(s.section, group_))
            lines.emplace_back(s.name, format(s, values));
    return lines;
}

bool PropertySettings::isKnown(std::string_view name) {
    return findSetting(name) != nullptr;
}

SetResult PropertySettings::set(std::string_view name, std::string_view value,
                                std::string& message) {
    const Setting* s = findSetting(name);
    if (!s)
        return SetResult::unknownName;
    if (!applies(s->section, group_))
        return SetResult::otherGroup;
    if (!parseInto(*s, values_, value, message))
        return SetResult::refused;
    (s->section == Section::cardReader ? cardReaderChanged_ : keyboardChanged_) = true;
    return SetResult::done;
}

void PropertySettings::store(TemplateImage& image) const {
    if (keyboardChanged_)
        values_.keyboard.store(image, group_);
    if (cardReaderChanged_)
        values_.cardReader.store(image);
}

} // namespace vorn::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/KeyboardModels.h"

#include <algorithm>
#include <initializer_list>

namespace vorn {

namespace {

constexpr std::array<KeyboardModel, 7> models{{
    {2013, "VQ5040", 124, true, "VQ5040.txt", 32811, 3},
    {2014, "VQ2710", 122, true, "VQ2710.txt", 32818, 1},
    {2015, "VQ2930", 134, true, "VQ2930.txt", 32819, 2},
    {2016, "TR6080", 67, true, "TR6080.txt", 32821, 5},
    {2017, "TR3050", 17, false, "TR3050.txt", 32822, 6},
    {2018, "TR4060", 176, false, "TR4060.txt", 32823, 4},
    {2019, "TR3570", 22, false, "TR3570.txt", 32826, 7},
}};

// Writes captions to consecutive slots.
class LabelWriter {
public:
    explicit LabelWriter(KeyLabels& labels)
        : labels_(labels) {}

    LabelWriter& list(std::initializer_list<std::string_view> captions) {
        for (const std::string_view caption : captions)
            labels_[next_++] = caption;
        return *this;
    }
    // prefix + first .. prefix + last; `digits` pads the numbers with leading zeros.
    LabelWriter& range(std::string_view prefix, int first, int last, std::size_t digits = 1) {
        for (int n = first; n <= last; ++n) {
            std::string number = std::to_string(n);
            if (number.size() < digits)
                number.insert(0, digits - number.size(), '0');
            labels_[next_++] = std::string(prefix) + number;
        }
        return *this;
    }
    // prefix + column + row for the columns 1 to 5 (TR6080's L and R blocks).
    LabelWriter& columns(char prefix, int row) {
        for (int column = 1; column <= 5; ++column)
            labels_[next_++] =
                std::string{prefix, static_cast<char>('0' + column), static_cast<char>('0' + row)};
        return *this;
    }
    // Continues at `slot`, keeping the captions already written before it.
    LabelWriter& at(int slot) {
        next_ = static_cast<std::size_t>(slot);
        return *this;
    }

private:
    KeyLabels& labels_;
    std::size_t next_ = 0;
};

// Slots 0 to 61: the typing block shared by the three VQ models.
void typingBlock(LabelWriter& w) {
    w.list({"`", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", "\\", "BS", "Tab"})
        .list({"Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "{", "}", "", "CapsLk"})
        .list({"A", "S", "D", "F", "G", "H", "J", "K", "L", ":", "\"", "Enter", "Shift"})
        .list({"Z", "X", "C", "V", "B", "N", "M", "<", ">", "?", "Shift"})
        .list({"Ctl", "Win", "Alt", "Space", "Alt", "Win", "Men", "Ctl"});
}

// Slots 62 to 74 of models 2014 and 2015: arrows and the lower keypad.
void arrowsAndKeypad(LabelWriter& w) {
    w.at(62).list({"<-", "v", "->", "0", ".", "^", "1", "2", "3", "CR", "4", "5", "6"});
}

void vq5040(LabelWriter& w) {
    typingBlock(w);
    w.list({"Num", "-", "+", "7", "8", "9", "4", "5", "6", "1", "2", "3", "0", ".", "CR", "ESC"})
        .range("F", 1, 17)
        .range("K", 1, 28)
        .list({"KeyLock"});
}

void vq2710(LabelWriter& w) {
    typingBlock(w);
    arrowsAndKeypad(w);
    w.list({"7", "8", "9", "+", "Num", "/", "*", "-", "ESC"}).range("F", 1, 37).list({"KeyLock"});
}

void vq2930(LabelWriter& w) {
    typingBlock(w);
    arrowsAndKeypad(w);
    w.list({"Del", "End", "PgD", "7", "8", "9", "+", "Ins", "Hom", "PgU", "Num", "/", "*", "-"})
        .list({"ESC"})
        .range("F", 1, 43)
        .list({"KeyLock"});
}

void tr6080(LabelWriter& w) {
    w.columns('L', 1).list({"M11", "M21"}).columns('R', 1).list({"X11"});
    w.columns('L', 2).list({"7", "8", "9"}).columns('R', 2).list({"X12"});
    w.columns('L', 3).list({"4", "5", "6"}).columns('R', 3);
    w.columns('L', 4).list({"1", "2", "3"}).columns('R', 4);
    w.columns('L', 5).list({"0", "00", "."}).columns('R', 5).list({"KeyLock"});
}

void tr3050(LabelWriter& w) {
    w.range("K", 1, 17, 2);
}

void tr4060(LabelWriter& w) {
    for (char row = 'A'; row <= 'V'; ++row)
        w.range(std::string_view(&row, 1), 1, 8);
}

void tr3570(LabelWriter& w) {
    w.range("K", 1, 22, 2);
}

} // namespace

std::span<const KeyboardModel> keyboardModels() {
    return models;
}

bool isKnownModel(int modelId) {
    return std::ranges::any_of(models, [&](const KeyboardModel& m) { return m.id == modelId; });
}

const KeyboardModel& keyboardModel(int modelId) {
    const auto it =
        std::ranges::find_if(models, [&](const KeyboardModel& m) { return m.id == modelId; });
    return it != models.end() ? *it : models.front();
}

KeyLabels defaultKeyLabels(int modelId) {
    using Fill = void (*)(LabelWriter&);
    constexpr std::array<Fill, 7> fills{vq5040, vq2710, vq2930, tr6080, tr3050, tr4060, tr3570};
    const auto index = static_cast<std::size_t>(&keyboardModel(modelId) - models.data());
    KeyLabels labels;
    LabelWriter writer(labels);
    fills[index](writer);
    return labels;
}

} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vorn {

inline constexpr int defaultModelId = 2013;
inline constexpr int maxKeyCaps = 176;

// The caption of every slot; slots at or beyond the model's key count are empty.
using KeyLabels = std::array<std::string, maxKeyCaps>;

// One supported keyboard model.
struct KeyboardModel {
    int id;
    std::string_view name;
    int keyCount;
    bool hasCardReader;
    std::string_view defaultTextFile;
    int menuCommand; // Keyboard menu command id
    int menuOrder;   // place in the Keyboard menu, from 1
};

// The seven models, by id.
std::span<const KeyboardModel> keyboardModels();

// The model with this id; an unknown id is laid out as model 2013.
const KeyboardModel& keyboardModel(int modelId);

// True for the ids 2013 to 2019.
bool isKnownModel(int modelId);

// The default key cap captions of the model (model 2013's for an unknown id).
KeyLabels defaultKeyLabels(int modelId);

} // namespace vorn

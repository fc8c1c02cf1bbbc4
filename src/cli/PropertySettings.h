// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/CardReaderProperties.h"
#include "document/KeyboardProperties.h"
#include "image/TemplateImage.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vorn::cli {

// What became of one change of a setting.
enum class SetResult { done, unknownName, otherGroup, refused };

// The settings of both property dialogs by name, for one model group: loaded from a template,
// changed with the dialogs' checks, and stored as the dialogs' OK stores them. There is no
// keyboard connection here, so the serial port settings are those of a keyboard not on USB.
class PropertySettings {
public:
    // The controls of both dialogs.
    struct Values {
        KeyboardProperties keyboard;
        CardReaderProperties cardReader;
    };

    PropertySettings(const TemplateImage& image, ModelGroup group);

    // Name and value of every setting of the group, in the dialogs' order. Texts are in the
    // readable form with the escapes of the dump format.
    std::vector<std::pair<std::string, std::string>> list() const;
    // Whether either group has a setting of this name.
    static bool isKnown(std::string_view name);
    // Changes one setting; when it is refused, `message` says why, ready to print.
    SetResult set(std::string_view name, std::string_view value, std::string& message);
    // Stores the settings of each dialog in which one was changed, as its OK does.
    void store(TemplateImage& image) const;

private:
    ModelGroup group_;
    Values values_;
    bool keyboardChanged_ = false;
    bool cardReaderChanged_ = false;
};

} // namespace vorn::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/KeyCapLabels.h"
#include "document/KeyboardModels.h"
#include "image/TemplateImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorn {

using KeyFlags = std::array<bool, keyNumberCount>;

// Everything an undoable step may change: taken whole before an action, compared with the
// template after it. Never kept: a step keeps only what differs (TemplateChange).
struct TemplateContent {
    int modelId = 0;
    KeyTexts keyText;
    KeyFlags keyBlank{};
    KeyFlags keyDefined{};
    KeyLabels keyLabel;
    KeyCapLabels capLabel;
    TemplateImage image{};
    std::string title;
};

// What one step changed, both ways: the key texts and their flags, the captions, the key cap
// labels, the runs of image bytes, the model and the title.
class TemplateChange {
public:
    struct KeyEdit {
        int key = 0;
        std::string before, after;
        bool blankBefore = false, definedBefore = false;
        bool blankAfter = false, definedAfter = false;
    };
    struct CaptionEdit {
        int slot = 0;
        std::string before, after;
    };
    struct LabelEdit {
        int key = 0;
        std::string before, after;
    };
    struct ByteRun {
        std::size_t offset = 0;
        std::vector<std::uint8_t> before, after;
    };
    struct ModelSwitch {
        int before = 0, after = 0;
    };
    enum class Side { before, after };

    // The difference between `before` and `after`.
    static TemplateChange between(const TemplateContent& before, const TemplateContent& after);

    // True when nothing but key flags changed: no step worth undoing.
    bool empty() const;
    // Folds a later change of the same run (typing) into this one.
    void absorb(const TemplateChange& later);
    // The first key whose text changed, else the first whose label changed; nullopt for none.
    std::optional<int> firstKey() const;
    // Bytes held, roughly: the history's memory follows what steps changed.
    std::size_t heldBytes() const;

    const std::vector<KeyEdit>& keys() const { return keys_; }
    const std::vector<CaptionEdit>& captions() const { return captions_; }
    const std::vector<LabelEdit>& labels() const { return labels_; }
    const std::vector<ByteRun>& bytes() const { return bytes_; }
    const std::optional<ModelSwitch>& model() const { return model_; }
    // The title on `side`; nullopt when it did not change.
    std::optional<std::string> title(Side side) const;

private:
    std::vector<KeyEdit> keys_;
    std::vector<CaptionEdit> captions_;
    std::vector<LabelEdit> labels_;
    std::vector<ByteRun> bytes_;
    std::optional<ModelSwitch> model_;
    std::optional<std::pair<std::string, std::string>> title_;
};

} // namespace vorn

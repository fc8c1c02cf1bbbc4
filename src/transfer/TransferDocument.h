#pragma once

#include "image/TemplateImage.h"

#include <array>

namespace vorn {

// The template document as the transfers reach it: the image, the key texts with their
// blank and as-loaded flags, the slot of each key, and the codec under the document's model.
class TransferDocument {
public:
    using KeyFlags = std::array<bool, keyNumberCount>;

    virtual ~TransferDocument() = default;

    virtual TemplateImage& image() = 0;
    virtual KeyTexts& keyText() = 0;
    virtual KeyFlags& keyBlank() = 0;
    virtual KeyFlags& keyDefined() = 0;
    // The key number a slot shows.
    virtual int slotKey(int slot) const = 0;
    // Installs the current model again (key count, captions, layout, title).
    virtual void applyModel() = 0;
    // Encodes all key texts into the image.
    virtual void encodeImage() = 0;
    // Replaces all key texts by decoding the image.
    virtual void decodeImage() = 0;
    // A whole image was read from the keyboard: what the document holds now is unmodified.
    virtual void readCompleted() = 0;
};

} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <string>

namespace vorn {

// The template document as the transfers reach it: its key texts, the slot of each key, the
// image it encodes for a write, and the image a read gives it.
class TransferDocument {
public:
    virtual ~TransferDocument() = default;

    virtual const std::string& keyText(int key) const = 0;
    // The key number a slot shows.
    virtual int slotKey(int slot) const = 0;
    // Installs the current model again (key count, captions, layout, title).
    virtual void applyModel() = 0;
    // Encodes all key texts into the image, for a write.
    virtual const TemplateImage& encodedImage() = 0;
    // A whole image read from the keyboard: every key is decoded from it, and what the
    // document holds then is unmodified.
    virtual void takeReadImage(const TemplateImage& image) = 0;
};

} // namespace vorn

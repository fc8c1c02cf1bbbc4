// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/VornDoc.h"
#include "transfer/TransferDocument.h"

namespace vorn {

// TransferDocument on the template document.
class VornDocTransfer : public TransferDocument {
public:
    explicit VornDocTransfer(CVornDoc& doc)
        : doc_(doc) {}

    const std::string& keyText(int key) const override { return doc_.keyText()[key]; }
    int slotKey(int slot) const override { return doc_.layout().slotKey()[slot]; }
    void applyModel() override { doc_.applyModel(); }
    const TemplateImage& encodedImage() override { return doc_.encodeKeyTexts(); }
    void takeReadImage(const TemplateImage& image) override { doc_.takeImage(image); }

private:
    CVornDoc& doc_;
};

} // namespace vorn

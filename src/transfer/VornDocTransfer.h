#pragma once

#include "transfer/TransferDocument.h"
#include "document/VornDoc.h"

namespace vorn {

// TransferDocument on the template document.
class VornDocTransfer : public TransferDocument {
public:
    explicit VornDocTransfer(CVornDoc& doc)
        : doc_(doc) {}

    TemplateImage& image() override { return doc_.image; }
    KeyTexts& keyText() override { return doc_.keyText; }
    KeyFlags& keyBlank() override { return doc_.keyBlank; }
    KeyFlags& keyDefined() override { return doc_.keyDefined; }
    int slotKey(int slot) const override;
    void applyModel() override { doc_.applyModel(); }
    void encodeImage() override;
    void decodeImage() override;
    void readCompleted() override { doc_.resetBaseline(); }

private:
    CVornDoc& doc_;
};

} // namespace vorn

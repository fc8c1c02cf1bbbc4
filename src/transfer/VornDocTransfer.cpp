#include "transfer/VornDocTransfer.h"

#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"

namespace vorn {

int VornDocTransfer::slotKey(int slot) const {
    return doc_.layout().slotKey()[slot];
}

void VornDocTransfer::encodeImage() {
    vorn::encodeImage(doc_.image, doc_.keyText, doc_.modelId());
}

void VornDocTransfer::decodeImage() {
    vorn::decodeImage(doc_.image, doc_.modelId(), doc_.keyText);
}

} // namespace vorn

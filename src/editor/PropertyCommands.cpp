// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PropertyCommands.h"

#include "document/VornDoc.h"
#include "editor/EditingState.h"

namespace vorn {

bool keyboardPropertiesEnabled(const CVornDoc& doc, bool transferActive) {
    static_cast<void>(doc);
    return !transferActive;
}

bool cardReaderPropertiesEnabled(const CVornDoc& doc, bool transferActive) {
    return doc.hasCardReader() && !transferActive;
}

KeyboardProperties loadKeyboardProperties(const CVornDoc& doc, int portKind) {
    return KeyboardProperties::load(doc.image(), modelGroup(doc.hasCardReader()), portKind);
}

void applyKeyboardProperties(const KeyboardProperties& properties, CVornDoc& doc,
                             EditingState& editing) {
    doc.storeKeyboardProperties(properties);
    // The decimal display's caret goes home with the caret, so the two keep agreeing.
    editing.caretHome();
}

void applyCardReaderProperties(const CardReaderProperties& properties, CVornDoc& doc) {
    doc.storeCardReaderProperties(properties);
}

} // namespace vorn

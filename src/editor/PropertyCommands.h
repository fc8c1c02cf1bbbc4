// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/CardReaderProperties.h"
#include "document/KeyboardProperties.h"

namespace vorn {

class CVornDoc;
struct EditingState;

// "Config KB properties" (Configuration menu "Config &KB Properties" and its toolbar button):
// available on every model, but not while a transfer runs, whose end would overwrite or
// send the image under the dialog.
bool keyboardPropertiesEnabled(const CVornDoc& doc, bool transferActive);
// "Config MR properties": only on models with a card reader, and not while a transfer runs.
bool cardReaderPropertiesEnabled(const CVornDoc& doc, bool transferActive);

// The keyboard properties as the document's image holds them, by its model's group.
KeyboardProperties loadKeyboardProperties(const CVornDoc& doc, int portKind);
// OK of the keyboard properties: stores the settings and puts the caret home. The caller redraws
// the view.
void applyKeyboardProperties(const KeyboardProperties& properties, CVornDoc& doc,
                             EditingState& editing);

// OK of the card reader properties: stores them.
void applyCardReaderProperties(const CardReaderProperties& properties, CVornDoc& doc);

} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

namespace vorn {

// The two model groups read the settings bytes differently: card reader models (2013 to 2016,
// and unknown ids, which count as 2013) and serial port models (2017 to 2019).
enum class ModelGroup { cardReader, serialPort };

constexpr ModelGroup modelGroup(bool hasCardReader) {
    return hasCardReader ? ModelGroup::cardReader : ModelGroup::serialPort;
}

// `portKind` after a detection that found a USB keyboard.
inline constexpr int usbPortKind = 5;

inline constexpr int minInterCharDelay = 1;
inline constexpr int maxInterCharDelay = 250;

// The controls of the keyboard properties dialog, loaded from and stored into the settings
// bytes. The list members hold the selected index: baud "2400", "4800", "9600", "19200";
// parity "NONE", "EVEN", "ODD"; data bits "7 Bits", "8 Bits".
struct KeyboardProperties {
    bool sendBreakCode = false;
    bool beepOnKey = false;
    bool noBeepUndefined = false;
    bool translateSet2 = false;
    bool typematicScan = false;
    bool typematicAscii = false;
    bool altNumber = false;
    bool oposJpos = false;
    bool usePort = false;
    int baudIndex = 2;
    int parityIndex = 0;
    int bitsIndex = 0;
    // Whether the RS232 group is shown.
    bool showSerial = false;
    int interCharDelay = minInterCharDelay;

    bool operator==(const KeyboardProperties&) const = default;

    // The controls as the image holds them. The serial port group is hidden, and its "Use
    // port" cleared, while the last detection found a USB keyboard.
    static KeyboardProperties load(const TemplateImage& image, ModelGroup group, int portKind);
    // Writes the delay and the named bits of featureFlags, optionFlags and hostFlags; every
    // other bit keeps its value.
    void store(TemplateImage& image, ModelGroup group) const;

private:
    void loadCardReaderGroup(const TemplateImage& image);
    void loadSerialPortGroup(const TemplateImage& image, int portKind);
    void storeCardReaderGroup(TemplateImage& image) const;
    void storeSerialPortGroup(TemplateImage& image) const;
};

} // namespace vorn

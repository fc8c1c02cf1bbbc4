// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/KeyboardProperties.h"

#include "image/SettingsBits.h"

#include <algorithm>

namespace vorn {

namespace {

constexpr int parityNoneIndex = 0;
constexpr int parityEvenIndex = 1;
constexpr int parityOddIndex = 2;
constexpr int baudIndexBits = 2;

bool featureBitOf(const TemplateImage& image, int bit) {
    return settingsBit(image, SettingsByte::featureFlags, bit);
}

bool optionBitOf(const TemplateImage& image, int bit) {
    return settingsBit(image, SettingsByte::optionFlags, bit);
}

void setFeatureBit(TemplateImage& image, int bit, bool on) {
    setSettingsBit(image, SettingsByte::featureFlags, bit, on);
}

void setOptionBit(TemplateImage& image, int bit, bool on) {
    setSettingsBit(image, SettingsByte::optionFlags, bit, on);
}

// NONE wins over ODD: with bit 2 set, bit 3 is not looked at.
int parityIndexOf(const TemplateImage& image) {
    if (optionBitOf(image, optionBit::parityNone))
        return parityNoneIndex;
    return optionBitOf(image, optionBit::parityOdd) ? parityOddIndex : parityEvenIndex;
}

// NONE sets bit 2 and leaves bit 3 as it was.
void storeParity(TemplateImage& image, int parityIndex) {
    setOptionBit(image, optionBit::parityNone, parityIndex == parityNoneIndex);
    if (parityIndex != parityNoneIndex)
        setOptionBit(image, optionBit::parityOdd, parityIndex == parityOddIndex);
}

} // namespace

KeyboardProperties KeyboardProperties::load(const TemplateImage& image, ModelGroup group,
                                            int portKind) {
    KeyboardProperties p;
    p.sendBreakCode = !featureBitOf(image, featureBit::noBreakCodes);
    p.beepOnKey = featureBitOf(image, featureBit::keyBeep);
    p.noBeepUndefined = featureBitOf(image, featureBit::noBeepUndefinedKey);
    p.translateSet2 = featureBitOf(image, featureBit::translateSet2);
    p.altNumber = featureBitOf(image, featureBit::altNumberAscii);
    p.oposJpos = !settingsBit(image, SettingsByte::hostFlags, hostBit::oposOff);
    // The spin control's range bounds what a damaged image may hold.
    p.interCharDelay =
        std::clamp<int>(vorn::interCharDelay(image), minInterCharDelay, maxInterCharDelay);
    if (group == ModelGroup::cardReader)
        p.loadCardReaderGroup(image);
    else
        p.loadSerialPortGroup(image, portKind);
    return p;
}

void KeyboardProperties::loadCardReaderGroup(const TemplateImage& image) {
    typematicAscii = featureBitOf(image, featureBit::asciiTypematic);
    typematicScan = featureBitOf(image, featureBit::scanTypematic);
    usePort = false;
    showSerial = false;
}

void KeyboardProperties::loadSerialPortGroup(const TemplateImage& image, int portKind) {
    typematicScan = optionBitOf(image, optionBit::scanTypematic);
    typematicAscii = optionBitOf(image, optionBit::asciiTypematic);
    baudIndex = static_cast<int>(
        settingsBits(image, SettingsByte::optionFlags, optionBit::baudRate, baudIndexBits));
    parityIndex = parityIndexOf(image);
    bitsIndex = optionBitOf(image, optionBit::eightDataBits) ? 1 : 0;
    const bool usbKeyboard = portKind == usbPortKind;
    usePort = !usbKeyboard && featureBitOf(image, featureBit::usePort);
    showSerial = !usbKeyboard;
}

void KeyboardProperties::store(TemplateImage& image, ModelGroup group) const {
    setInterCharDelay(image, static_cast<std::uint8_t>(
                                 std::clamp(interCharDelay, minInterCharDelay, maxInterCharDelay)));
    setFeatureBit(image, featureBit::altNumberAscii, altNumber);
    setFeatureBit(image, featureBit::noBreakCodes, !sendBreakCode);
    setFeatureBit(image, featureBit::noBeepUndefinedKey, noBeepUndefined);
    setFeatureBit(image, featureBit::translateSet2, translateSet2);
    setFeatureBit(image, featureBit::keyBeep, beepOnKey);
    setSettingsBit(image, SettingsByte::hostFlags, hostBit::oposOff, !oposJpos);
    if (group == ModelGroup::cardReader)
        storeCardReaderGroup(image);
    else
        storeSerialPortGroup(image);
}

void KeyboardProperties::storeCardReaderGroup(TemplateImage& image) const {
    setFeatureBit(image, featureBit::asciiTypematic, typematicAscii);
    setFeatureBit(image, featureBit::scanTypematic, typematicScan);
    // "Use port" is always off on these models, so confirming clears this bit.
    setOptionBit(image, optionBit::clearedOnConfirm, usePort);
}

void KeyboardProperties::storeSerialPortGroup(TemplateImage& image) const {
    setFeatureBit(image, featureBit::usePort, usePort);
    setOptionBit(image, optionBit::scanTypematic, typematicScan);
    setOptionBit(image, optionBit::asciiTypematic, typematicAscii);
    setSettingsBits(image, SettingsByte::optionFlags, optionBit::baudRate, baudIndexBits,
                    static_cast<unsigned>(baudIndex));
    storeParity(image, parityIndex);
    setOptionBit(image, optionBit::eightDataBits, bitsIndex == 1);
}

} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyEditCommands.h"

#include "document/UserMessages.h"
#include "document/VornDoc.h"
#include "editor/CommandTable.h"
#include "editor/ContentCaret.h"
#include "editor/DecimalDisplay.h"
#include "editor/EditingState.h"
#include "editor/KeyEditDialogs.h"
#include "image/KeyTextChecks.h"
#include "transfer/TransferController.h"

#include <algorithm>

namespace vorn {

namespace {

constexpr std::array<int, 10> keyEditIds{commandIds::clearKey,    commandIds::asciiMode,
                                         commandIds::scanMode,    commandIds::capsCode,
                                         commandIds::delayTime,   commandIds::levelSeparator,
                                         commandIds::shiftLevel,  commandIds::asciiCode,
                                         commandIds::displayMode, commandIds::scanCode};

// A keyboard was found: scan-code mode is then offered only to keys in ASCII mode.
bool keyboardDetected(int portKind) {
    return portKind == TransferController::usbPort || portKind == TransferController::driverPort;
}

} // namespace

const std::array<int, 10>& KeyEditCommands::allIds() {
    return keyEditIds;
}

bool KeyEditCommands::isEnabled(int commandId, std::string_view keyText, bool keyIsAscii,
                                int portKind) {
    switch (commandId) {
    case commandIds::clearKey: return !keyText.empty();
    case commandIds::asciiMode: return !keyIsAscii;
    case commandIds::scanMode: return keyIsAscii || !keyboardDetected(portKind);
    case commandIds::capsCode:
    case commandIds::asciiCode:
    case commandIds::displayMode: return keyIsAscii;
    case commandIds::delayTime:
    case commandIds::levelSeparator: return true;
    case commandIds::shiftLevel: return keyText.empty() && keyIsAscii;
    case commandIds::scanCode: return !keyIsAscii;
    default: return false;
    }
}

KeyEditCommands::KeyEditCommands(CVornDoc& document, EditingState& state, UserMessages& messages,
                                 KeyEditDialogs& dialogs)
    : document_(document)
    , state_(state)
    , messages_(messages)
    , dialogs_(dialogs) {}

bool KeyEditCommands::isEnabled(int commandId, int portKind) const {
    return isEnabled(commandId, selectedText(), state_.keyIsAscii[state_.selectedKey], portKind);
}

EditRepaint KeyEditCommands::run(int commandId) {
    switch (commandId) {
    case commandIds::clearKey: return clearKey();
    case commandIds::asciiMode: return setAsciiMode();
    case commandIds::scanMode: return setScanMode();
    case commandIds::capsCode: return insertCaps();
    case commandIds::delayTime: return insertDelay();
    case commandIds::levelSeparator: return insertSeparator();
    case commandIds::shiftLevel: return insertShiftLevel();
    case commandIds::asciiCode: return enterAsciiCode();
    case commandIds::displayMode: return switchDisplayMode();
    case commandIds::scanCode: return selectScanCode();
    default: return EditRepaint::nothing;
    }
}

EditRepaint KeyEditCommands::clearKey() {
    state_.caretHome();
    emptySelectedKey();
    return EditRepaint::keyTextLine;
}

EditRepaint KeyEditCommands::setAsciiMode() {
    switchMode(true);
    return EditRepaint::view;
}

EditRepaint KeyEditCommands::setScanMode() {
    switchMode(false);
    return EditRepaint::view;
}

EditRepaint KeyEditCommands::insertCaps() {
    return insertWord("[Caps]", CaretAfter::home);
}

EditRepaint KeyEditCommands::insertDelay() {
    const std::optional<int> tenths = dialogs_.askDelayTime();
    if (!tenths)
        return EditRepaint::nothing;
    return insertWord("[Delay" + std::to_string(*tenths) + "]", CaretAfter::home);
}

EditRepaint KeyEditCommands::insertSeparator() {
    return insertWord("[Separator]", CaretAfter::home);
}

EditRepaint KeyEditCommands::insertShiftLevel() {
    const std::optional<int> level = dialogs_.askShiftLevel();
    if (!level)
        return EditRepaint::nothing;
    return insertWord("[ShiftLevel" + std::to_string(*level) + "]", CaretAfter::word);
}

EditRepaint KeyEditCommands::enterAsciiCode() {
    const std::optional<int> code = dialogs_.askAsciiCode();
    if (!code)
        return EditRepaint::nothing;
    const char c = static_cast<char>(static_cast<unsigned char>(*code));
    if (state_.decimalDisplay)
        insertInDecimalDisplay(c);
    else
        insert(std::string_view(&c, 1));
    return markKeyChanged();
}

EditRepaint KeyEditCommands::switchDisplayMode() {
    if (!isAsciiText(selectedText())) {
        messages_.showMessage(wrongAsciiTextMessage);
        return EditRepaint::nothing;
    }
    if (state_.keyIsAscii[state_.selectedKey])
        state_.decimalDisplay = !state_.decimalDisplay;
    state_.caretHome();
    return EditRepaint::view;
}

EditRepaint KeyEditCommands::selectScanCode() {
    const std::optional<std::string> word = dialogs_.askScanCode();
    if (!word)
        return EditRepaint::nothing;
    return insertWord(*word, CaretAfter::word);
}

const std::string& KeyEditCommands::selectedText() const {
    return document_.keyText()[state_.selectedKey];
}

void KeyEditCommands::setSelectedText(std::string text) {
    document_.setKeyText(state_.selectedKey, std::move(text));
}

void KeyEditCommands::emptySelectedKey() {
    setSelectedText({});
    // The encoder fills key 160 from key 121 when 160 is empty, so 121 is emptied with it.
    if (document_.modelId() == pairedModelId && state_.selectedKey == pairedKeyPrimary)
        document_.setKeyText(pairedKeySecondary, {});
}

void KeyEditCommands::switchMode(bool ascii) {
    bool& keyIsAscii = state_.keyIsAscii[state_.selectedKey];
    if (keyIsAscii != ascii)
        emptySelectedKey();
    keyIsAscii = ascii;
    state_.caretIndex = 0;
    state_.caretColumn = 0;
    state_.decimalDisplay = false;
}

void KeyEditCommands::insert(std::string_view insertion) {
    std::string text = selectedText();
    ContentCaret caret(state_, text);
    caret.keepInsideText();
    if (document_.measureSpaceLeft() > 0)
        caret.insert(insertion);
    setSelectedText(std::move(text));
}

void KeyEditCommands::insertInDecimalDisplay(char code) {
    std::string text = selectedText();
    ContentCaret(state_, text).keepInsideText();
    if (document_.measureSpaceLeft() <= 0)
        return;
    // The new character's token takes the caret's place; the caret stays in front of it.
    text.insert(static_cast<std::size_t>(state_.caretIndex), 1, code);
    setSelectedText(text);
    const DecimalDisplay display(text);
    int& index = state_.caretDisplayIndex;
    const int start = index;
    while (index < display.length() && display.form()[index] != '[') {
        ++index;
        if (state_.caretColumn < EditingState::maxCaretColumn &&
            state_.caretColumn < display.length())
            ++state_.caretColumn;
    }
    if (index > display.length()) { // the text no longer has a decimal form
        state_.caretColumn = std::max(0, state_.caretColumn - (index - display.length()));
        index = display.length();
    }
    if (index != start)
        state_.caretIndex = display.storedPosition(index);
}

void KeyEditCommands::followCaretIndex() {
    if (!state_.decimalDisplay)
        return;
    const DecimalDisplay display(selectedText());
    int index = display.length();
    for (int token = 0; token < display.tokenCount(); ++token) {
        if (display.storedSpan(token).first >= state_.caretIndex) {
            index = display.displayStart(token);
            break;
        }
    }
    state_.caretDisplayIndex = index;
    state_.caretColumn = std::min(state_.caretColumn, index);
}

EditRepaint KeyEditCommands::insertWord(std::string_view word, CaretAfter after) {
    insert(word);
    if (after == CaretAfter::home)
        decimalCaretHome();
    else
        followCaretIndex();
    return markKeyChanged();
}

EditRepaint KeyEditCommands::markKeyChanged() {
    document_.markKeyEdited(state_.selectedKey);
    return EditRepaint::view;
}

void KeyEditCommands::decimalCaretHome() {
    if (state_.decimalDisplay)
        state_.caretHome();
}

} // namespace vorn

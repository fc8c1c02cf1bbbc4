// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WindowKeyEditDialogs.h"

#include "ui/CDelayTime.h"
#include "ui/CInputASCIICode.h"
#include "ui/CInputSCanCode.h"
#include "ui/CShiftLevel.h"

namespace vorn {

namespace {

// The dialog's value after OK; nothing after Cancel.
template <typename Dialog>
auto valueOnOk(Dialog& dialog) -> std::optional<decltype(dialog.value())> {
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.value();
}

} // namespace

std::optional<int> WindowKeyEditDialogs::askDelayTime() {
    CDelayTime dialog(parent_);
    return valueOnOk(dialog);
}

std::optional<int> WindowKeyEditDialogs::askShiftLevel() {
    CShiftLevel dialog(parent_);
    return valueOnOk(dialog);
}

std::optional<int> WindowKeyEditDialogs::askAsciiCode() {
    CInputASCIICode dialog(messages_, parent_);
    return valueOnOk(dialog);
}

std::optional<std::string> WindowKeyEditDialogs::askScanCode() {
    CInputSCanCode dialog(parent_);
    return valueOnOk(dialog);
}

} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "simulator/KeyboardFirmware.h"

#include <linux/uhid.h>
#include <optional>

namespace vorn {

// The keyboard's USB interface as the kernel's uhid device sees it: the description it is
// created with, and the answer to each report request, taken from KeyboardFirmware. uhid
// passes report ID 0 through untouched where the USB HID driver does not, so the answers
// do what that driver does for a device without report IDs: a SET loses its leading 0x00
// before the keyboard sees the 8 bytes, and a GET reply gets 0x00 put in front of them.
// Does no I/O itself, so the translation can be tested without a kernel.
class UhidKeyboard {
public:
    static constexpr const char* name = "VQ5040U Emulated";

    explicit UhidKeyboard(KeyboardFirmware& firmware);

    // The UHID_CREATE2 event that makes the device: bus USB, the keyboard's ids, and a
    // descriptor with one 8-byte vendor feature report and no report IDs.
    static uhid_event createEvent();

    // The reply to a UHID_GET_REPORT or UHID_SET_REPORT, with the request's id; nothing for
    // the other events, which need no answer.
    std::optional<uhid_event> answer(const uhid_event& request);

    int answered() const { return answered_; }
    int refused() const { return refused_; }

private:
    uhid_event answerGet(const uhid_get_report_req& request);
    uhid_event answerSet(const uhid_set_report_req& request);
    void count(bool ok);

    KeyboardFirmware& firmware_;
    int answered_ = 0;
    int refused_ = 0;
};

} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#include "vm/UhidKeyboard.h"

#include "device/KeyboardIdentity.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <linux/input.h>

namespace vorn {

namespace {

constexpr std::size_t dataBytes = featureReportSize - 1; // what the keyboard sees of a report

// Vendor page, one application collection holding one feature report of 8 bytes, no IDs.
constexpr std::array<std::uint8_t, 22> reportDescriptor{
    0x06, 0xA0, 0xFF, // usage page (vendor 0xFFA0)
    0x09, 0x01,       // usage 1
    0xA1, 0x01,       // collection (application)
    0x09, 0x02,       //   usage 2
    0x15, 0x00,       //   logical minimum 0
    0x26, 0xFF, 0x00, //   logical maximum 255
    0x75, 0x08,       //   report size 8 bits
    0x95, 0x08,       //   report count 8
    0xB1, 0x02,       //   feature (data, variable, absolute)
    0xC0,             // end collection
};

uhid_event emptyEvent(std::uint32_t type) {
    uhid_event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    return event;
}

} // namespace

UhidKeyboard::UhidKeyboard(KeyboardFirmware& firmware)
    : firmware_(firmware) {}

uhid_event UhidKeyboard::createEvent() {
    uhid_event event = emptyEvent(UHID_CREATE2);
    uhid_create2_req& create = event.u.create2;
    std::strncpy(reinterpret_cast<char*>(create.name), name, sizeof create.name - 1);
    std::strncpy(reinterpret_cast<char*>(create.phys), "vorn-vm/keyboard", sizeof create.phys - 1);
    create.bus = BUS_USB;
    create.vendor = keyboardVendorId;
    create.product = keyboardProductId;
    create.rd_size = reportDescriptor.size();
    std::copy(reportDescriptor.begin(), reportDescriptor.end(), create.rd_data);
    return event;
}

std::optional<uhid_event> UhidKeyboard::answer(const uhid_event& request) {
    switch (request.type) {
    case UHID_GET_REPORT: return answerGet(request.u.get_report);
    case UHID_SET_REPORT: return answerSet(request.u.set_report);
    default: return std::nullopt;
    }
}

uhid_event UhidKeyboard::answerGet(const uhid_get_report_req& request) {
    uhid_event reply = emptyEvent(UHID_GET_REPORT_REPLY);
    uhid_get_report_reply_req& out = reply.u.get_report_reply;
    out.id = request.id;
    FeatureReport report{}; // byte 0: report ID 0, the only report the keyboard has
    const bool ok =
        request.rtype == UHID_FEATURE_REPORT && request.rnum == 0 && firmware_.getFeature(report);
    count(ok);
    if (!ok) {
        out.err = EIO;
        return reply;
    }
    // The keyboard sends its 8 bytes; the host receives them behind the report ID.
    out.data[0] = 0;
    std::copy(report.begin() + 1, report.end(), out.data + 1);
    out.size = featureReportSize;
    return reply;
}

uhid_event UhidKeyboard::answerSet(const uhid_set_report_req& request) {
    uhid_event reply = emptyEvent(UHID_SET_REPORT_REPLY);
    uhid_set_report_reply_req& out = reply.u.set_report_reply;
    out.id = request.id;
    // The host's buffer starts with the report ID, which does not go over the wire for
    // report 0; the keyboard takes exactly 8 bytes.
    const bool wellFormed = request.rtype == UHID_FEATURE_REPORT && request.rnum == 0 &&
                            request.size == 1 + dataBytes && request.data[0] == 0;
    FeatureReport report{};
    if (wellFormed)
        std::copy(request.data + 1, request.data + 1 + dataBytes, report.begin() + 1);
    const bool ok = wellFormed && firmware_.setFeature(report);
    count(ok);
    out.err = ok ? 0 : EIO;
    return reply;
}

void UhidKeyboard::count(bool ok) {
    ++(ok ? answered_ : refused_);
}

} // namespace vorn

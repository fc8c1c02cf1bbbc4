// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/CUSBport.h"

namespace vorn {

namespace {

constexpr std::size_t productReadLimit = 51; // characters of the product string compared
constexpr int reportsPerPackage = 9;
constexpr std::size_t carriedBytes = packageSize + 1; // the package and its check byte
constexpr std::chrono::milliseconds readWait{200};
constexpr std::chrono::milliseconds ackWait{250};

using PackageReports = std::array<FeatureReport, reportsPerPackage>;

// Nibble position p of a package travels in report p / 8, at byte 8 - p % 8: each report
// fills from its last byte backwards.
std::uint8_t& nibbleByte(PackageReports& reports, std::size_t p) {
    return reports[p / 8][8 - p % 8];
}

// The product string's low bytes, up to its terminator and at most 51 characters.
std::string narrowProduct(const std::wstring& wide) {
    std::string narrow;
    for (const wchar_t c : wide) {
        if (c == L'\0' || narrow.size() == productReadLimit)
            break;
        narrow += static_cast<char>(static_cast<std::uint32_t>(c) & 0xFF);
    }
    return narrow;
}

} // namespace

CUSBport::CUSBport(HidBackend& backend, Clock& clock)
    : backend_(backend)
    , clock_(clock) {}

CUSBport::~CUSBport() {
    CloseHIDDevice();
}

std::uint8_t CUSBport::checkByte(std::span<const std::uint8_t, packageSize> package) {
    std::uint8_t check = 0;
    for (const std::uint8_t byte : package)
        check ^= byte;
    return check;
}

bool CUSBport::GetDeviceFullPath() {
    CloseHIDDevice();
    candidateCount_ = 0;
    deniedPaths_.clear();
    const auto interfaces = backend_.enumerate();
    if (!interfaces)
        return false;
    for (const HidInterfaceInfo& info : *interfaces) {
        currentPath_ = info.path;
        if (!OpenHIDDevice()) {
            if (lastOpenDenied_ && hasExpectedIds(info))
                deniedPaths_.push_back(info.path);
            continue;
        }
        const bool match = CheckHIDParam();
        CloseHIDDevice();
        if (match && candidateCount_ < maxCandidates)
            candidatePaths_[candidateCount_++] = info.path;
    }
    return probeCandidates();
}

// The first candidate, in enumeration order, that answers a read of package 0 wins.
bool CUSBport::probeCandidates() {
    currentPath_.clear();
    for (std::size_t i = 0; i < candidateCount_; ++i) {
        currentPath_ = candidatePaths_[i];
        if (ProbeHIDDevice())
            return true;
    }
    currentPath_.clear();
    return false;
}

bool CUSBport::OpenHIDDevice() {
    CloseHIDDevice();
    const HidOpenResult result = backend_.open(currentPath_);
    lastOpenDenied_ = result.status == HidOpenStatus::permissionDenied;
    if (result.status != HidOpenStatus::opened)
        return false;
    handle_ = result.handle;
    return true;
}

void CUSBport::CloseHIDDevice() {
    if (handle_)
        backend_.close(*handle_);
    handle_.reset();
}

bool CUSBport::CheckHIDParam() {
    if (!handle_)
        return false;
    const auto product = backend_.productString(*handle_);
    if (!product)
        return false;
    const auto ids = backend_.ids(*handle_);
    if (!ids)
        return false;
    const std::string narrow = narrowProduct(*product);
    return narrow.compare(0, expected_.product.size(), expected_.product) == 0 &&
           narrow.size() >= expected_.product.size() && ids->vendorId == expected_.vendorId &&
           ids->productId == expected_.productId;
}

bool CUSBport::hasExpectedIds(const HidInterfaceInfo& info) const {
    return info.vendorId == expected_.vendorId && info.productId == expected_.productId;
}

bool CUSBport::sendReport(const FeatureReport& report) {
    if (trace_)
        trace_({ReportDirection::set, report});
    return backend_.sendFeatureReport(*handle_, report);
}

// A data report must arrive whole; for an acknowledgement the request's success is enough.
bool CUSBport::getReport(FeatureReport& report, bool wholeReport) {
    report.fill(0);
    const int count = backend_.getFeatureReport(*handle_, report);
    if (count < 0)
        return false;
    if (trace_)
        trace_({ReportDirection::get, report});
    return !wholeReport || count == static_cast<int>(featureReportSize);
}

bool CUSBport::SendHIDCmdAddr(std::uint8_t nCmd, std::uint8_t nPackageNo) {
    // Package numbers past the memory's end would address bytes the keyboard does not have.
    if (!handle_ || nPackageNo >= packageCount)
        return false;
    const unsigned address = nPackageNo * packageSize;
    FeatureReport report{};
    report[1] = nCmd;
    report[2] = static_cast<std::uint8_t>(address & 0xFF);
    report[3] = static_cast<std::uint8_t>(address >> 8);
    return sendReport(report);
}

bool CUSBport::GetHIDBlockData(std::uint8_t nPackageNo) {
    if (!SendHIDCmdAddr(readCommand, nPackageNo))
        return false;
    clock_.wait(readWait);
    CheckHIDParam(); // the identity is read again between command and data; result unused
    PackageReports reports;
    for (FeatureReport& report : reports)
        if (!getReport(report, true))
            return false;
    // Reading, the high nibble comes first; the upper half of each nibble byte is noise.
    std::uint8_t sum = 0;
    for (std::size_t j = 0; j < carriedBytes; ++j) {
        const unsigned high = nibbleByte(reports, 2 * j) & 0x0F;
        const unsigned low = nibbleByte(reports, 2 * j + 1) & 0x0F;
        packageBuffer_[j] = static_cast<std::uint8_t>(high << 4 | low);
        sum ^= packageBuffer_[j];
    }
    return sum == 0;
}

bool CUSBport::SendHIDBlockData(std::uint8_t nPackageNo) {
    if (!SendHIDCmdAddr(writeCommand, nPackageNo))
        return false;
    const std::uint8_t check =
        checkByte(std::span<const std::uint8_t, packageSize>(packageBuffer_.data(), packageSize));
    // Writing, the low nibble comes first, each as 0xD0 + nibble; unused positions stay 0.
    PackageReports reports{};
    for (std::size_t j = 0; j < carriedBytes; ++j) {
        const std::uint8_t value = j < packageSize ? packageBuffer_[j] : check;
        nibbleByte(reports, 2 * j) = static_cast<std::uint8_t>(0xD0 | (value & 0x0F));
        nibbleByte(reports, 2 * j + 1) = static_cast<std::uint8_t>(0xD0 | (value >> 4));
    }
    for (const FeatureReport& report : reports)
        if (!sendReport(report))
            return false; // later reports of the package are not sent
    return true;
}

bool CUSBport::GetHIDAck() {
    if (!handle_)
        return false;
    FeatureReport report{};
    return getReport(report, false);
}

bool CUSBport::ProbeHIDDevice() {
    if (!OpenHIDDevice())
        return false;
    const bool answered = GetHIDBlockData(0);
    CloseHIDDevice();
    return answered;
}

bool CUSBport::WaitHIDAck() {
    clock_.wait(ackWait);
    CheckHIDParam(); // result unused, as between a read command and its data
    return GetHIDAck();
}

std::optional<std::vector<KeyboardInterface>> CUSBport::listKeyboardInterfaces() {
    CloseHIDDevice();
    const auto interfaces = backend_.enumerate();
    if (!interfaces)
        return std::nullopt;
    const std::string kept = currentPath_;
    std::vector<KeyboardInterface> found;
    for (const HidInterfaceInfo& info : *interfaces) {
        currentPath_ = info.path;
        if (!OpenHIDDevice()) {
            if (lastOpenDenied_ && hasExpectedIds(info))
                found.push_back({info, true});
            continue;
        }
        if (CheckHIDParam())
            found.push_back({info, false});
        CloseHIDDevice();
    }
    currentPath_ = kept;
    return found;
}

} // namespace vorn

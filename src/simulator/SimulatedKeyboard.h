// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidBackend.h"
#include "device/KeyboardIdentity.h"
#include "simulator/KeyboardFirmware.h"
#include "simulator/SharedMemoryFile.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vorn {

// One HID interface the simulated keyboard presents.
struct SimulatedInterface {
    enum class Kind {
        keyboard,         // passes feature reports to the keyboard's firmware
        silent,           // takes every report but never answers one
        permissionDenied, // listed, but the user may not open it
        unopenable,       // listed, but opening fails for another reason
    };
    Kind kind = Kind::keyboard;
    std::string path; // empty: "sim:hidrawN", N its place in the list
    std::wstring product = L"VQ5040U Simulated";
    std::wstring manufacturer = L"Vorn simulator";
    std::uint16_t vendorId = keyboardVendorId;
    std::uint16_t productId = keyboardProductId;
    bool identityUnreadable = false; // product string and ids cannot be read once open
};

// A keyboard on the far side of HidBackend, for tests and for trying the program without
// hardware. Its interfaces of kind keyboard share one firmware and its memory.
class SimulatedKeyboard : public HidBackend {
public:
    explicit SimulatedKeyboard(std::vector<SimulatedInterface> interfaces = {{}});

    KeyboardFirmware& firmware() { return firmware_; }
    const std::vector<SimulatedInterface>& interfaces() const { return interfaces_; }

    // Starts from the memory in `path` (a new template of model 2013 when the file is
    // missing) and saves every stored package there, creating the file on the first write.
    // False, with `error`, when the file exists but cannot be used. From then on an open
    // interface of kind keyboard holds the file (see SharedMemoryFile): opening waits for
    // another program's hold as the file's Wait says, and fails when it is not waited for.
    bool useMemoryFile(const std::string& path, std::string& error);
    // The memory file in use; null without one.
    SharedMemoryFile* memoryFile() { return memoryFile_.get(); }
    // Why the memory file could not be held or the last package could not be saved; empty
    // when all worked (or there is no memory file).
    std::string memoryFileError() const;

    std::size_t openHandles() const { return open_.size(); }

    std::optional<std::vector<HidInterfaceInfo>> enumerate() override;
    HidOpenResult open(const std::string& path) override;
    void close(HidHandle handle) override;
    std::optional<std::wstring> productString(HidHandle handle) override;
    std::optional<HidIds> ids(HidHandle handle) override;
    bool sendFeatureReport(HidHandle handle, const FeatureReport& report) override;
    int getFeatureReport(HidHandle handle, FeatureReport& report) override;

private:
    // The interface behind an open handle, or nothing when the handle is unknown or the
    // keyboard it belongs to is unplugged.
    const SimulatedInterface* reachable(HidHandle handle) const;
    bool isGone(const SimulatedInterface& interface) const;

    std::vector<SimulatedInterface> interfaces_;
    KeyboardFirmware firmware_;
    std::map<HidHandle, std::size_t> open_;
    HidHandle nextHandle_ = 1;
    std::unique_ptr<SharedMemoryFile> memoryFile_; // after the firmware it saves
};

} // namespace vorn

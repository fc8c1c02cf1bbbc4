// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/KeyboardTransports.h"

#include "device/AbsentDriverChannel.h"
#include "device/CombinedHidBackend.h"
#include "device/DeviceFileChannel.h"
#include "device/HidapiBackend.h"
#include "device/InstantClock.h"
#include "device/KeyboardIdentity.h"
#include "device/OneInterfaceBackend.h"
#include "simulator/SimulatedDriver.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace vorn {

std::unique_ptr<Clock> KeyboardTransports::makeClock() const {
    if (simulated_ && !simulatedWaits_)
        return std::make_unique<InstantClock>();
    return realWaits_();
}

bool KeyboardTransports::useMemoryFiles(const std::vector<std::string>& files, std::string& error) {
    // Two keyboards on one file would each wait for the other's lock.
    std::set<std::string> locks;
    for (const std::string& file : files)
        if (!locks.insert(MemoryFileLock::lockPathFor(file)).second) {
            error = file + " is the memory file of two simulated keyboards";
            return false;
        }
    lockWaits_ = realWaits_();
    for (std::size_t i = 0; i < files.size(); ++i) {
        SimulatedKeyboard& keyboard = *ownSimulators_[i];
        if (!keyboard.useMemoryFile(files[i], error))
            return false;
        keyboard.memoryFile()->setWait(
            [clock = lockWaits_](std::chrono::milliseconds pause) { clock->wait(pause); });
    }
    return true;
}

bool KeyboardTransports::setUpSimulators(const KeyboardChoice& choice, std::string& error) {
    std::vector<HidBackend*> parts;
    const auto& files = choice.simulatorMemoryFiles;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::vector<SimulatedInterface> interfaces;
        if (!choice.driverPort)
            interfaces.push_back({.path = "sim:hidraw" + std::to_string(i)});
        auto simulator = std::make_unique<SimulatedKeyboard>(std::move(interfaces));
        simulators_.push_back(
            {simulator.get(), i < choice.faults.size() ? choice.faults[i] : FaultPlan{}, files[i]});
        parts.push_back(simulator.get());
        ownSimulators_.push_back(std::move(simulator));
    }
    if (!useMemoryFiles(files, error))
        return false;
    followSimulatedPlugs();
    backend_ = std::make_unique<CombinedHidBackend>(std::move(parts));
    // The driver reaches the first simulated keyboard, and is installed only when asked for.
    SimulatedKeyboard& first = *simulators_.front().keyboard;
    auto driver = std::make_unique<SimulatedDriver>(first.firmware());
    driver->setInstalled(choice.driverPort);
    driver->useMemoryFile(first.memoryFile());
    for (std::size_t i = 0; i < simulators_.size(); ++i)
        simulators_[i].faults.applyBeforeDetection(simulators_[i].keyboard->firmware(),
                                                   i == 0 ? driver.get() : nullptr);
    channel_ = std::move(driver);
    return true;
}

bool KeyboardTransports::setUp(const KeyboardChoice& choice, ClockMaker realWaits,
                               std::string& error) {
    simulated_ = !choice.simulatorMemoryFiles.empty();
    simulatedWaits_ = choice.simulatedWaits;
    realWaits_ = std::move(realWaits);
    if (simulated_) {
        if (!setUpSimulators(choice, error))
            return false;
    } else {
        backend_ = std::make_unique<HidapiBackend>();
        channel_ = std::make_unique<DeviceFileChannel>();
    }
    shared_ = backend_.get();
    clock_ = makeClock();
    HidBackend* used = backend_.get();
    if (choice.onlyInterface) {
        oneOnly_ = std::make_unique<OneInterfaceBackend>(*backend_, *choice.onlyInterface);
        used = oneOnly_.get();
        channel_ = std::make_unique<AbsentDriverChannel>();
    }
    connect(*used, std::move(channel_));
    return true;
}

std::function<bool()> KeyboardTransports::presenceProbe() const {
    if (simulated_) {
        std::vector<std::string> markers;
        for (const Simulated& s : simulators_)
            markers.push_back(unpluggedMarker(s.memoryFile));
        return [markers] {
            return std::ranges::any_of(markers, [](const std::string& marker) {
                std::error_code error;
                return !std::filesystem::exists(marker, error);
            });
        };
    }
    HidBackend* backend = shared_;
    const std::string driverPath = DeviceFileChannel::configuredPath();
    return [backend, driverPath] {
        std::error_code error;
        if (std::filesystem::exists(driverPath, error))
            return true;
        const auto interfaces = backend ? backend->enumerate() : std::nullopt;
        return interfaces && std::ranges::any_of(*interfaces, [](const HidInterfaceInfo& info) {
                   return info.vendorId == keyboardVendorId && info.productId == keyboardProductId;
               });
    };
}

void KeyboardTransports::followSimulatedPlugs() {
    for (Simulated& s : simulators_) {
        std::error_code error;
        const bool marked = std::filesystem::exists(unpluggedMarker(s.memoryFile), error);
        if (marked == s.unpluggedByMarker)
            continue;
        s.unpluggedByMarker = marked;
        if (marked)
            s.keyboard->firmware().unplug();
        else
            s.keyboard->firmware().plugIn();
    }
}

void KeyboardTransports::connect(HidBackend& backend, std::unique_ptr<DriverChannel> channel) {
    channel_ = std::move(channel);
    usb_ = std::make_unique<CUSBport>(backend, *clock_);
    kbio_ = std::make_unique<CKBIO>(*channel_);
}

std::unique_ptr<KeyboardTransports> KeyboardTransports::onlyTo(const std::string& path) const {
    auto transports = std::make_unique<KeyboardTransports>();
    transports->simulated_ = simulated_;
    transports->simulatedWaits_ = simulatedWaits_;
    transports->realWaits_ = realWaits_;
    HidBackend* inner = shared_;
    for (const Simulated& s : simulators_)
        for (const SimulatedInterface& i : s.keyboard->interfaces())
            if (i.path == path) {
                inner = s.keyboard;
                transports->simulators_.push_back(s);
            }
    transports->oneOnly_ = std::make_unique<OneInterfaceBackend>(*inner, path);
    transports->clock_ = transports->makeClock();
    transports->connect(*transports->oneOnly_, std::make_unique<AbsentDriverChannel>());
    return transports;
}

void KeyboardTransports::startTransferFaults() {
    for (Simulated& s : simulators_)
        s.faults.applyAtTransferStart(s.keyboard->firmware());
}

std::string KeyboardTransports::simulatorFileError() const {
    for (const Simulated& s : simulators_)
        if (std::string error = s.keyboard->memoryFileError(); !error.empty())
            return error;
    return {};
}

bool KeyboardTransports::holdSimulatorMemory(bool wait,
                                             const std::function<void(const std::string&)>& waiting,
                                             std::string& error) {
    for (const Simulated& s : simulators_) {
        SharedMemoryFile& file = *s.keyboard->memoryFile();
        switch (file.tryHold()) {
        case SharedMemoryFile::Hold::held: continue;
        case SharedMemoryFile::Hold::failed: error = file.error(); return false;
        case SharedMemoryFile::Hold::busy: break;
        }
        if (!wait) {
            error = file.inUseMessage();
            return false;
        }
        if (waiting)
            waiting(file.path());
        if (!file.hold()) {
            error = file.error();
            return false;
        }
    }
    return true;
}

} // namespace vorn

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/KeyboardTransports.h"

#include "device/AbsentDriverChannel.h"
#include "device/CombinedHidBackend.h"
#include "device/DeviceFileChannel.h"
#include "device/HidapiBackend.h"
#include "device/InstantClock.h"
#include "device/OneInterfaceBackend.h"
#include "simulator/SimulatedDriver.h"

namespace vorn {

std::unique_ptr<Clock> KeyboardTransports::makeClock() const {
    if (simulated_ && !simulatedWaits_)
        return std::make_unique<InstantClock>();
    return realWaits_();
}

bool KeyboardTransports::setUpSimulators(const KeyboardChoice& choice, std::string& error) {
    std::vector<HidBackend*> parts;
    const auto& files = choice.simulatorMemoryFiles;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::vector<SimulatedInterface> interfaces;
        if (!choice.driverPort)
            interfaces.push_back({.path = "sim:hidraw" + std::to_string(i)});
        auto simulator = std::make_unique<SimulatedKeyboard>(std::move(interfaces));
        if (!simulator->useMemoryFile(files[i], error))
            return false;
        simulators_.push_back(
            {simulator.get(), i < choice.faults.size() ? choice.faults[i] : FaultPlan{}});
        parts.push_back(simulator.get());
        ownSimulators_.push_back(std::move(simulator));
    }
    backend_ = std::make_unique<CombinedHidBackend>(std::move(parts));
    // The driver reaches the first simulated keyboard, and is installed only when asked for.
    auto driver = std::make_unique<SimulatedDriver>(simulators_.front().keyboard->firmware());
    driver->setInstalled(choice.driverPort);
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

std::string KeyboardTransports::simulatorSaveError() const {
    for (const Simulated& s : simulators_)
        if (!s.keyboard->saveError().empty())
            return s.keyboard->saveError();
    return {};
}

} // namespace vorn

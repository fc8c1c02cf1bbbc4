#include "ui/KeyboardPorts.h"

#include "device/DeviceFileChannel.h"
#include "device/HidapiBackend.h"
#include "device/InstantClock.h"
#include "simulator/SimulatedDriver.h"
#include "simulator/SimulatedKeyboard.h"
#include "ui/ResponsiveClock.h"

namespace vorn {

bool KeyboardPorts::setUp(const KeyboardChoice& choice, std::string& error) {
    if (choice.simulatorMemoryFile) {
        auto simulator = std::make_unique<SimulatedKeyboard>(
            choice.driverPort ? std::vector<SimulatedInterface>{}
                              : std::vector<SimulatedInterface>{{}});
        if (!simulator->useMemoryFile(*choice.simulatorMemoryFile, error))
            return false;
        auto driver = std::make_unique<SimulatedDriver>(simulator->firmware());
        driver->setInstalled(choice.driverPort);
        channel_ = std::move(driver);
        backend_ = std::move(simulator);
    } else {
        backend_ = std::make_unique<HidapiBackend>();
        channel_ = std::make_unique<DeviceFileChannel>();
    }
    if (choice.simulatorMemoryFile && choice.instantWaits)
        clock_ = std::make_unique<InstantClock>();
    else
        clock_ = std::make_unique<ResponsiveClock>();
    usb_ = std::make_unique<CUSBport>(*backend_, *clock_);
    kbio_ = std::make_unique<CKBIO>(*channel_);
    return true;
}

} // namespace vorn

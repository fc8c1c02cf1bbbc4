// SPDX-License-Identifier: GPL-3.0-or-later
// Fakes for driving the USB transport without hardware or real waits.
#pragma once

#include "device/Clock.h"
#include "device/HidBackend.h"

#include <deque>
#include <vector>

namespace vorn::test {

// Records every wait instead of sleeping.
class FakeClock : public Clock {
public:
    void wait(std::chrono::milliseconds duration) override { waits.push_back(duration.count()); }
    std::vector<long> waits;
};

// One interface that records what is sent and answers gets from a script.
class ScriptedBackend : public HidBackend {
public:
    struct Get {
        FeatureReport report;
        int count = 9;
    };

    std::optional<std::vector<HidInterfaceInfo>> enumerate() override {
        return std::vector<HidInterfaceInfo>{{"fake0", 0x0FA8, 0xC280, L"VQ5040U", L"maker"}};
    }
    HidOpenResult open(const std::string&) override {
        ++opened;
        return {HidOpenStatus::opened, 7};
    }
    void close(HidHandle) override { ++closed; }
    std::optional<std::wstring> productString(HidHandle) override {
        ++identityReads;
        return product;
    }
    std::optional<HidIds> ids(HidHandle) override { return HidIds{0x0FA8, 0xC280}; }
    bool sendFeatureReport(HidHandle, const FeatureReport& report) override {
        sent.push_back(report);
        if (failSetAt == static_cast<int>(sent.size()))
            return false;
        return true;
    }
    int getFeatureReport(HidHandle, FeatureReport& report) override {
        requested.push_back(report);
        if (gets.empty())
            return -1;
        const Get next = gets.front();
        gets.pop_front();
        report = next.report;
        return next.count;
    }

    std::wstring product = L"VQ5040U";
    std::vector<FeatureReport> sent;
    std::vector<FeatureReport> requested; // the buffers as passed to each get
    std::deque<Get> gets;
    int failSetAt = 0; // the Nth set fails (from 1); 0 for none
    int opened = 0;
    int closed = 0;
    int identityReads = 0;
};

} // namespace vorn::test

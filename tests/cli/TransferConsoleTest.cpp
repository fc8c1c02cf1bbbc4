// SPDX-License-Identifier: GPL-3.0-or-later
// The tick pacing by deadlines and the progress display, on a clock of the test's own.
#include "cli/TransferConsole.h"

#include "cli/TickPacer.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace vorn::cli {
namespace {

using namespace std::chrono_literals;

// Time moves only when the code sleeps or the test says work took time.
class FakeTime : public Clock {
public:
    TimePoint now() override { return now_; }
    void wait(std::chrono::milliseconds duration) override { now_ += duration; }
    void waitUntil(TimePoint due) override { now_ = std::max(now_, due); }
    void work(std::chrono::milliseconds duration) { now_ += duration; }
    std::chrono::milliseconds elapsed() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(now_ - TimePoint{});
    }

private:
    TimePoint now_{};
};

TEST(TickPacer, TicksAreDueByDeadlinesWhatEverTheirWorkTakes) {
    FakeTime time;
    TickPacer pacer(time);
    time.work(400ms); // the detections
    pacer.start(250ms);
    std::vector<long> ticks;
    for (int i = 0; i < 64; ++i) {
        pacer.waitForTick();
        ticks.push_back(time.elapsed().count());
        time.work(200ms); // the wait inside each read
    }
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(ticks[i], 400 + 250 * (i + 1)) << i;
    EXPECT_EQ(time.elapsed(), 16600ms);
}

TEST(TickPacer, ALateTickIsCaughtUpOnceAndMissedTicksAreDropped) {
    FakeTime time;
    TickPacer pacer(time);
    pacer.start(100ms);
    pacer.waitForTick();
    EXPECT_EQ(time.elapsed(), 100ms);
    time.work(150ms); // overruns by half an interval: the next tick runs at once
    pacer.waitForTick();
    EXPECT_EQ(time.elapsed(), 250ms);
    pacer.waitForTick(); // back on the grid
    EXPECT_EQ(time.elapsed(), 300ms);
    time.work(450ms); // misses ticks at 400, 500, 600 and 700
    pacer.waitForTick();
    EXPECT_EQ(time.elapsed(), 750ms);
    pacer.waitForTick();
    EXPECT_EQ(time.elapsed(), 800ms);
}

TEST(TransferConsole, BarRedrawnInPlaceAndEndedBeforeAMessage) {
    std::ostringstream err;
    TransferConsole console(err, ProgressStyle::bar);
    console.createProgress(1, 64);
    for (int n = 0; n < 32; ++n)
        console.stepProgress();
    console.showPercent("50%");
    EXPECT_EQ(err.str(), "\r[#####     ] 50%");
    console.showMessage("Data Read Error, Count=32");
    console.destroyProgress();
    EXPECT_EQ(err.str(), "\r[#####     ] 50%\nData Read Error, Count=32\n");

    std::ostringstream full;
    TransferConsole done(full, ProgressStyle::bar);
    done.createProgress(1, 64);
    done.stepProgress();
    done.showPercent("1%");
    for (int n = 1; n < 64; ++n)
        done.stepProgress();
    done.showPercent("100%");
    done.destroyProgress();
    EXPECT_EQ(full.str(), "\r[          ] 1%\r[##########] 100%\n");
}

TEST(TransferConsole, LinesOrNothing) {
    std::ostringstream lines, quiet;
    TransferConsole plain(lines, ProgressStyle::lines);
    TransferConsole none(quiet, ProgressStyle::none);
    for (TransferConsole* console : {&plain, &none}) {
        console->createProgress(1, 64);
        console->stepProgress();
        console->showPercent("1%");
        console->destroyProgress();
    }
    EXPECT_EQ(lines.str(), "1%\n");
    EXPECT_EQ(quiet.str(), "");
}

TEST(TransferConsole, TimerRequestsDriveTheTickLoop) {
    std::ostringstream err;
    FakeTime time;
    TickPacer pacer(time);
    TransferConsole console(err, ProgressStyle::none, &pacer);
    EXPECT_EQ(console.nextTick(), 0);
    console.startTimer(2, 280ms);
    EXPECT_EQ(console.nextTick(), 2);
    EXPECT_EQ(time.elapsed(), 280ms);
    console.stopTimer(1);
    EXPECT_EQ(console.runningTimer(), 2);
    console.stopTimer(2);
    EXPECT_EQ(console.nextTick(), 0);
    EXPECT_EQ(time.elapsed(), 280ms);
}

} // namespace
} // namespace vorn::cli

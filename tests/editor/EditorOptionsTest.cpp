// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditorOptions.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

// The editor's command line takes "--name=value" and "--" as vornctl does.
TEST(EditorOptions, ValuesWithEqualsAndTheEndOfOptions) {
    struct Case {
        std::vector<std::string> arguments;
        std::optional<std::string> file;
        std::optional<int> model;
        std::string error;
    };
    const Case cases[] = {
        {{"--model=2014", "shop.tpl"}, "shop.tpl", 2014, ""},
        {{"--model", "2014"}, std::nullopt, 2014, ""},
        {{"--", "--model"}, "--model", std::nullopt, ""},
        {{"--", "-x.tpl"}, "-x.tpl", std::nullopt, ""},
        {{"--", "a=b.tpl"}, "a=b.tpl", std::nullopt, ""},
        {{"a.tpl", "--", "b.tpl"}, "a.tpl", std::nullopt, "only one FILE can be opened"},
        {{"--model=1999"},
         std::nullopt,
         std::nullopt,
         "--model takes a model id from 2013 to 2019"},
        {{"--model="}, std::nullopt, std::nullopt, "--model takes a model id from 2013 to 2019"},
        {{"--help=yes"}, std::nullopt, std::nullopt, "--help takes no value"},
        {{"--nope=1"}, std::nullopt, std::nullopt, "unknown option --nope"},
        {{"--screenshot", "v.png", "--scale", "2.5"}, std::nullopt, std::nullopt, ""},
        {{"--scale=2", "--screenshot=v.png"}, std::nullopt, std::nullopt, ""},
        {{"--scale", "2"}, std::nullopt, std::nullopt, "--scale goes with --screenshot"},
        {{"--screenshot=v.png", "--scale=0.4"},
         std::nullopt,
         std::nullopt,
         "--scale takes a factor from 0.5 to 4"},
        {{"--screenshot=v.png", "--scale=4.5"},
         std::nullopt,
         std::nullopt,
         "--scale takes a factor from 0.5 to 4"},
        {{"--screenshot=v.png", "--scale=2x"},
         std::nullopt,
         std::nullopt,
         "--scale takes a factor from 0.5 to 4"},
    };
    for (const Case& c : cases) {
        const EditorOptions options = EditorOptions::parse(c.arguments, nullptr);
        EXPECT_EQ(options.error, c.error) << c.arguments[0];
        if (!c.error.empty())
            continue;
        EXPECT_EQ(options.file, c.file) << c.arguments[0];
        EXPECT_EQ(options.modelId, c.model) << c.arguments[0];
    }
    const EditorOptions simulated = EditorOptions::parse(
        {"--simulate=kb.mem", "--simulate-port=driver", "--screenshot=v.png"}, nullptr);
    EXPECT_EQ(simulated.error, "");
    EXPECT_EQ(simulated.keyboard.simulatorMemoryFiles, std::vector<std::string>{"kb.mem"});
    EXPECT_TRUE(simulated.keyboard.driverPort);
    EXPECT_EQ(simulated.screenshot, "v.png");
    EXPECT_EQ(simulated.screenshotScale, 1.0);
    EXPECT_EQ(EditorOptions::parse({"--screenshot=v.png", "--scale=2.5"}, nullptr).screenshotScale,
              2.5);
}

} // namespace
} // namespace vorn

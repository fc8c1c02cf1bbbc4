// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/Vornctl.h"
#include "image/TemplateImage.h"
#include "support/TestFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace vorn::cli::test {

struct Result {
    int status;
    std::string out;
    std::string err;
};

// A vornctl test: its own folder (and settings store), and a way to run command lines.
class CliTest : public ::testing::Test {
protected:
    static Result run(const std::vector<std::string>& args, const std::string& input = "") {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = runVornctl(args, in, out, err);
        return {status, out.str(), err.str()};
    }

    // vornctl as its own process, started by the shell line `launch` (which ends in the program),
    // its output kept in the test's folder.
    Result runShell(const std::string& launch, const std::vector<std::string>& args) const {
        std::string line = launch;
        for (const std::string& arg : args)
            line += " '" + arg + "'";
        line += " >" + path("out.txt") + " 2>" + path("err.txt");
        const int status = std::system(line.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(path("out.txt")),
                read(path("err.txt"))};
    }

    std::string path(const std::string& name) const { return folder.path(name); }
    static std::string read(const std::string& file) { return vorn::test::TestFolder::read(file); }
    static void write(const std::string& file, const std::string& bytes) {
        vorn::test::TestFolder::write(file, bytes);
    }
    static std::string imageBytes(const TemplateImage& image) {
        return {image.begin(), image.end()};
    }
    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> result;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }

    vorn::test::TestFolder folder;
};

} // namespace vorn::cli::test

// SPDX-License-Identifier: GPL-3.0-or-later
// Paths that are no regular file: a FIFO, a folder and, as root, a device node made in the
// test's own folder. vornctl refuses them at once (a FIFO is never waited on) and leaves them
// as they are.
#include "CliTest.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorn::cli {
namespace {

using test::Result;

class FileKinds : public test::CliTest {
protected:
    // The FIFO, the folder and, as root, a character device like /dev/null.
    std::vector<std::string> oddPaths() {
        std::vector<std::string> paths{path("fifo"), path("folder")};
        EXPECT_EQ(::mkfifo(paths[0].c_str(), 0644), 0);
        std::filesystem::create_directory(paths[1]);
        if (::geteuid() == 0) {
            paths.push_back(path("null"));
            EXPECT_EQ(::mknod(paths.back().c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        }
        return paths;
    }
    static mode_t typeOf(const std::string& file) {
        struct stat status {};
        return ::lstat(file.c_str(), &status) == 0 ? status.st_mode & S_IFMT : 0;
    }
};

TEST_F(FileKinds, OutputsThatAreNoRegularFileAreRefusedAndLeftAlone) {
    ASSERT_EQ(run({"new", "-o", path("n.tpl")}).status, 0);
    ASSERT_EQ(run({"export", path("n.tpl"), "-o", path("n.txt")}).status, 0);
    for (const std::string& odd : oddPaths()) {
        const mode_t type = typeOf(odd);
        for (const std::vector<std::string>& args : {std::vector<std::string>{"new", "-o", odd},
                                                     {"export", path("n.tpl"), "-o", odd},
                                                     {"import", path("n.txt"), "-o", odd},
                                                     {"build", "-o", odd}}) {
            const Result r = run(args, "0\tx\n");
            EXPECT_EQ(r.status, 2) << args[0] << ' ' << odd;
            EXPECT_EQ(r.err, "vornctl: " + odd + " is not a regular file\n") << args[0];
            EXPECT_EQ(typeOf(odd), type) << args[0] << ' ' << odd;
        }
    }
}

TEST_F(FileKinds, InputsThatAreNoRegularFileAreRefusedAtOnce) {
    ASSERT_EQ(run({"new", "-o", path("n.tpl")}).status, 0);
    for (const std::string& odd : oddPaths()) {
        const std::string refused = "vornctl: " + odd + " is not a regular file\n";
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"check", odd},
              {"dump", odd},
              {"diff", path("n.tpl"), odd},
              {"import", path("n.txt"), "--base", odd, "-o", path("o.tpl")},
              {"write", odd, "--simulate", path("kb.mem")},
              {"write", path("n.tpl"), "--simulate", odd}}) {
            const Result r = run(args);
            EXPECT_EQ(r.status, 2) << args[0] << ' ' << odd;
            EXPECT_NE(r.err.find(odd), std::string::npos) << r.err;
            EXPECT_NE(r.err.find("is not a regular file"), std::string::npos) << r.err;
        }
        const Result r = run({"import", odd, "-o", path("o.tpl")});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "The text file: <" + odd + "> is not a regular file !!\n");
        EXPECT_FALSE(std::filesystem::exists(path("o.tpl")));
    }
}

TEST_F(FileKinds, ExportTakesDevStdoutForStandardOutput) {
    ASSERT_EQ(run({"new", "-o", path("n.tpl"), "--model", "2017"}).status, 0);
    const Result r = run({"export", path("n.tpl"), "-o", "/dev/stdout", "--model", "2017"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, run({"export", path("n.tpl"), "-o", "-", "--model", "2017"}).out);
    EXPECT_EQ(lines(r.out).size(), 17u);
}

// The program itself: data that does not reach standard output (a full disk, a closed
// descriptor) is an error a script sees.
TEST_F(FileKinds, AWriteErrorOnStandardOutputIsExitTwo) {
    ASSERT_EQ(run({"new", "-o", path("n.tpl")}).status, 0);
    const std::string err = path("err.txt");
    for (const std::string& command : {std::string("models"), "dump " + path("n.tpl")}) {
        for (const std::string& output : {std::string("> /dev/full"), std::string(">&-")}) {
            const std::string line =
                std::string(VORN_VORNCTL_BINARY) + " " + command + " " + output + " 2>" + err;
            const int status = std::system(line.c_str());
            ASSERT_TRUE(WIFEXITED(status)) << line;
            EXPECT_EQ(WEXITSTATUS(status), 2) << line;
            EXPECT_TRUE(read(err).starts_with("vornctl: write error: ")) << read(err);
        }
    }
}

// build reads at most 1 MiB of standard input, as import reads of a text file, and an input
// that cannot be read is a file error; nothing is written either way.
TEST_F(FileKinds, BuildReadsAtMostOneMebibyteOfInput) {
    Result r = run({"build", "-o", path("o.tpl")}, std::string(1024 * 1024 + 1, '\n'));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vornctl: standard input is larger than 1048576 bytes (1 MiB); nothing is "
                     "built\n");
    std::string lines; // exactly 1 MiB: 262144 lines of 4 bytes
    for (int i = 0; i < 1024 * 1024 / 4; ++i)
        lines += "0\tx\n";
    EXPECT_EQ(run({"build", "-o", path("o.tpl")}, lines).status, 0);
    std::filesystem::remove(path("o.tpl"));

    for (const std::string& input : {std::string("< /dev/zero"), "< " + path("")}) {
        const std::string line = std::string(VORN_VORNCTL_BINARY) + " build -o " + path("o.tpl") +
                                 " " + input + " 2>" + path("err.txt");
        const int status = std::system(line.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << line;
        EXPECT_EQ(WEXITSTATUS(status), 2) << line;
        EXPECT_TRUE(read(path("err.txt")).starts_with("vornctl: standard input")) << line;
        EXPECT_FALSE(std::filesystem::exists(path("o.tpl"))) << line;
    }
}

} // namespace
} // namespace vorn::cli

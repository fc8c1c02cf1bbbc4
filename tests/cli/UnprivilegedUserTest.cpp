// SPDX-License-Identifier: GPL-3.0-or-later
// vornctl run by a user without rights over a file it is to write (as root, through setpriv
// as nobody, in a folder nobody may write, so that only the file's own permission refuses):
// the file is refused with a message naming it and left exactly as it was.
#include "CliTest.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn::cli {
namespace {

namespace fs = std::filesystem;
using test::Result;

class UnprivilegedUser : public test::CliTest {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "only root can run vornctl as another user";
        if (std::system("command -v setpriv >/dev/null") != 0)
            GTEST_SKIP() << "setpriv is not installed";
        fs::permissions(folder.dir(), fs::perms::all); // nobody may make files here
        if (asNobody({"--version"}).status != 0)
            GTEST_SKIP() << "nobody cannot run " << VORN_VORNCTL_BINARY;
    }

    // vornctl as nobody, with a settings folder of its own.
    Result asNobody(const std::vector<std::string>& args) const {
        return runShell(
            "cd " + folder.dir().string() + " && XDG_CONFIG_HOME=" + path("nobody-config") +
                " setpriv --reuid=nobody --regid=nogroup --clear-groups " + VORN_VORNCTL_BINARY,
            args);
    }
};

TEST_F(UnprivilegedUser, AFileTheUserMayNotWriteIsRefusedAndLeftAlone) {
    ASSERT_EQ(run({"new", "-o", path("n.tpl"), "--model", "2013"}).status, 0);
    ASSERT_EQ(run({"export", path("n.tpl"), "-o", path("n.txt"), "--model", "2013"}).status, 0);
    ASSERT_EQ(run({"new", "-o", path("kb.mem"), "--model", "2014"}).status, 0);
    // root's file, which others may read, and nobody's own without write permission
    const std::string rootOwned = path("root.out");
    const std::string ownReadOnly = path("own.out");
    for (const std::string& target : {rootOwned, ownReadOnly}) {
        write(target, "old contents\n");
        ::chmod(target.c_str(), target == rootOwned ? 0644 : 0444);
    }
    ASSERT_EQ(::chown(ownReadOnly.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chown(path("kb.mem").c_str(), 0, 0), 0);

    for (const std::string& target : {rootOwned, ownReadOnly}) {
        const std::vector<std::vector<std::string>> cases{
            {"new", "-o", target},
            {"build", "-o", target, "--base", path("n.tpl")},
            {"export", path("n.tpl"), "-o", target},
            {"import", path("n.txt"), "-o", target},
            {"props", path("n.tpl"), "-o", target, "--set", "beepOnKey=0"},
            {"read", "-o", target, "--simulate", path("kb.mem"), "--no-wait", "--quiet"},
        };
        for (const auto& args : cases) {
            const Result r = asNobody(args);
            EXPECT_EQ(r.status, 2) << args[0] << ' ' << target;
            // export and import say it in the editor's words, naming the file as well
            EXPECT_NE(r.err.find(target), std::string::npos) << args[0] << ": " << r.err;
            EXPECT_NE(r.err.find("Permission denied"), std::string::npos) << args[0];
            EXPECT_EQ(read(target), "old contents\n") << args[0];
        }
    }
    // The simulated keyboard's memory file: every package is refused, and the reason given.
    const std::string memory = read(path("kb.mem"));
    ::chmod(path("kb.mem").c_str(), 0644);
    const Result r = asNobody({"write", path("n.tpl"), "--simulate", path("kb.mem"), "--no-wait",
                               "--quiet", "--model", "2013"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(path("kb.mem") + ": Permission denied"), std::string::npos) << r.err;
    EXPECT_EQ(read(path("kb.mem")), memory);
    // No temporary file is left: the inputs, the targets, the lock file and the two outputs.
    for (const auto& entry : fs::directory_iterator(folder.dir()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
}

} // namespace
} // namespace vorn::cli

// SPDX-License-Identifier: GPL-3.0-or-later
// A simulated keyboard's memory file in use by another program: vornctl waits for it, saying
// so, or with --no-lock-wait refuses it at once; the file is never changed meanwhile.
#include "simulator/MemoryFileLock.h"

#include "CliTest.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace vorn::cli {
namespace {

using namespace std::chrono_literals;
using test::Result;

class MemoryFileLocks : public test::CliTest {
protected:
    MemoryFileLocks() {
        EXPECT_EQ(run({"build", "-o", tpl, "--model", "2013"}, "0\thello\n12\t[F1]\n").status, 0);
        EXPECT_EQ(run({"new", "-o", memory, "--model", "2013"}).status, 0);
    }

    // vornctl as a program of its own, standard error into `errFile`.
    static pid_t start(const std::vector<std::string>& args, const std::string& errFile) {
        std::vector<std::string> all{VORN_VORNCTL_BINARY};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }
    // The exit status, or -1 (after ending it) when it has not ended by then.
    static int exitStatus(pid_t pid, std::chrono::milliseconds within) {
        const auto due = std::chrono::steady_clock::now() + within;
        int status = 0;
        while (::waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > due) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &status, 0);
                return -1;
            }
            std::this_thread::sleep_for(10ms);
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string tpl = path("t.tpl");
    std::string memory = path("kb.mem");
};

TEST_F(MemoryFileLocks, NoLockWaitRefusesABusyMemoryFileAtOnce) {
    const std::string before = read(memory);
    MemoryFileLock other(memory);
    ASSERT_EQ(other.tryLock(), MemoryFileLock::Result::locked);
    const std::vector<std::vector<std::string>> cases{
        {"devices", "--simulate", memory, "--no-lock-wait"},
        {"read", "-o", path("back.tpl"), "--simulate", memory, "--no-wait", "--no-lock-wait"},
        {"write", tpl, "--simulate", memory, "--no-wait", "--no-lock-wait"},
        {"write", tpl, "--all", "--simulate", path("free.mem"), "--simulate", memory, "--no-wait",
         "--no-lock-wait"},
    };
    for (const auto& args : cases) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_EQ(r.err, "vornctl: " + memory + " is in use by another program\n") << args[0];
        EXPECT_EQ(r.out, "") << args[0];
    }
    EXPECT_EQ(read(memory), before);
    EXPECT_FALSE(std::filesystem::exists(path("back.tpl")));
    EXPECT_FALSE(std::filesystem::exists(path("free.mem")));

    other.unlock();
    EXPECT_EQ(run(cases[2]).status, 0);
    EXPECT_EQ(read(memory), read(tpl));
}

// Another program holds the file: the write waits, saying so, and goes on once it is free.
TEST_F(MemoryFileLocks, ABusyMemoryFileIsWaitedFor) {
    const std::string before = read(memory);
    MemoryFileLock other(memory);
    ASSERT_EQ(other.tryLock(), MemoryFileLock::Result::locked);
    const std::string err = path("err.txt");
    const pid_t pid =
        start({"write", tpl, "--model", "2013", "--simulate", memory, "--no-wait", "--quiet"}, err);
    const std::string waiting = "vornctl: " + memory +
                                " is in use by another program; waiting "
                                "for it\n";
    for (int i = 0; i < 500 && read(err) != waiting; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(read(err), waiting);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(::waitpid(pid, nullptr, WNOHANG), 0) << "still waiting";
    EXPECT_EQ(read(memory), before);

    other.unlock();
    EXPECT_EQ(exitStatus(pid, 10s), 0);
    EXPECT_EQ(read(err), waiting);
    EXPECT_EQ(read(memory), read(tpl));
}

TEST_F(MemoryFileLocks, OneFileForTwoSimulatedKeyboardsIsRefused) {
    const std::string link = path("link.mem");
    std::filesystem::create_symlink(memory, link);
    const Result r =
        run({"write", tpl, "--all", "--simulate", memory, "--simulate", link, "--no-wait"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "vornctl: " + link + " is the memory file of two simulated keyboards\n");
}

} // namespace
} // namespace vorn::cli

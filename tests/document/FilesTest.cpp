// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Files.h"

#include "support/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vorn {
namespace {

namespace fs = std::filesystem;
using test::TestFolder;

TEST(WriteFileAtomically, ReplacesTheFileALinkPointsAt) {
    TestFolder folder;
    TestFolder::write(folder.path("real.tpl"), "old");
    fs::create_symlink("real.tpl", folder.path("link.tpl"));
    EXPECT_EQ(writeFileAtomically(folder.path("link.tpl"), "new"), 0);
    EXPECT_TRUE(fs::is_symlink(folder.path("link.tpl")));
    EXPECT_EQ(TestFolder::read(folder.path("real.tpl")), "new");
    EXPECT_EQ(folder.fileCount(), 2);
}

TEST(WriteFileAtomically, RefusesAFileTheUserMayNotWrite) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    TestFolder folder;
    const std::string path = folder.path("ro.tpl");
    TestFolder::write(path, "old");
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_EQ(writeFileAtomically(path, "new"), EACCES);
    EXPECT_EQ(TestFolder::read(path), "old");
    EXPECT_EQ(folder.fileCount(), 1);
}

TEST(WriteFileAtomically, KeepsTheModeOfAReplacedFile) {
    TestFolder folder;
    const std::string path = folder.path("t.tpl");
    TestFolder::write(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(writeFileAtomically(path, "new"), 0);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace
} // namespace vorn

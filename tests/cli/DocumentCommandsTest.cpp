// SPDX-License-Identifier: GPL-3.0-or-later
// vornctl export, import, models and layout, and the stored model as the default.
#include "CliTest.h"
#include "cli/Vornctl.h"
#include "document/SettingsStore.h"
#include "image/TemplateImage.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace vorn::cli {
namespace {

using DocumentCommands = test::CliTest;
using test::Result;

TEST_F(DocumentCommands, ModelsListsTheCatalog) {
    const Result r = run({"models"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2013\tVQ5040\t124\tyes\n2014\tVQ2710\t122\tyes\n2015\tVQ2930\t134\tyes\n"
                     "2016\tTR6080\t67\tyes\n2017\tTR3050\t17\tno\n2018\tTR4060\t176\tno\n"
                     "2019\tTR3570\t22\tno\n");
}

TEST_F(DocumentCommands, LayoutPrintsElevenFieldsPerSlot) {
    const Result r = run({"layout"});
    EXPECT_EQ(r.status, 0);
    const auto rows = lines(r.out);
    ASSERT_EQ(rows.size(), 124u);
    EXPECT_EQ(rows[0], "0\t13\t`\t55\t140\t27\t25\t119\t1\t77\t15");
    EXPECT_TRUE(rows[13].starts_with("13\t87\t\\\\\t445\t140\t")) << rows[13];
    for (const std::string& row : rows)
        EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 10) << row;
    EXPECT_EQ(lines(run({"layout", "--model", "2016"}).out).size(), 67u);
}

TEST_F(DocumentCommands, TheStoredModelIsTheDefault) {
    SettingsStore settings;
    ASSERT_TRUE(settings.writeInt("QenKeyboard", "Zemlat", 2019));
    EXPECT_EQ(lines(run({"layout"}).out).size(), 22u);
    ASSERT_EQ(run({"new", "-o", path("n.tpl")}).status, 0);
    const TemplateImage fresh = newTemplateImage(2019);
    EXPECT_EQ(read(path("n.tpl")), std::string(fresh.begin(), fresh.end()));
    EXPECT_EQ(lines(run({"layout", "--model", "2013"}).out).size(), 124u);
}

TEST_F(DocumentCommands, ExportThenImportGivesTheSameTemplate) {
    // Keys on TR3050's slots 0 to 2, and key 0, which no TR3050 slot shows.
    const std::string keys = "105\ta,b\\\\c\n106\t[F1][Delay9]\n107\t,\\\\,\n0\thidden\n";
    ASSERT_EQ(run({"build", "-o", path("a.tpl"), "--model", "2017"}, keys).status, 0);
    Result r = run({"export", path("a.tpl"), "-o", path("a.txt"), "--model", "2017"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = read(path("a.txt"));
    EXPECT_TRUE(text.starts_with("K01,a\\,b\\\\c\r\nK02,[F1][Delay9]\r\nK03,\\,\\\\\\,\r\n"));
    EXPECT_EQ(run({"export", path("a.tpl"), "-o", "-", "--model", "2017"}).out, text);

    r = run({"import", path("a.txt"), "-o", path("b.tpl"), "--model", "2017"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto dumpA = lines(run({"dump", path("a.tpl"), "--model", "2017"}).out);
    const auto dumpB = lines(run({"dump", path("b.tpl"), "--model", "2017"}).out);
    for (const int key : {105, 106, 107})
        EXPECT_EQ(dumpB[key], dumpA[key]);
    EXPECT_EQ(dumpB[0], "0\t"); // a new template has no content for keys without a slot

    r = run(
        {"import", path("a.txt"), "-o", path("c.tpl"), "--model", "2017", "--base", path("a.tpl")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read(path("c.tpl")), read(path("a.tpl")));
}

TEST_F(DocumentCommands, ImportRefusesInvalidOrOverfullTemplates) {
    write(path("out.tpl"), "old contents");
    write(path("bad.txt"), "K01,ok\r\nK02,[Nope]\r\n");
    Result r =
        run({"import", path("bad.txt"), "-o", path("out.tpl"), "--model", "2017", "--force"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "The number of rows in the text file is wrong\n"
                     "Wrong function word or scan code word!!\nkey 106\n");
    EXPECT_EQ(read(path("out.tpl")), "old contents");

    std::string full;
    for (int slot = 0; slot < 176; ++slot)
        full += "c," + std::string(11, 'x') + "\r\n";
    write(path("full.txt"), full);
    r = run({"import", path("full.txt"), "-o", path("out.tpl"), "--model", "2018"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("need 144 bytes more"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("vornctl: answered No\n"), std::string::npos);
    EXPECT_EQ(read(path("out.tpl")), "old contents");
}

// A text file without one row per key cap would leave keys empty: exit 1 and OUT untouched,
// unless --force takes the rows read, as the editor does.
TEST_F(DocumentCommands, ImportOfTheWrongNumberOfRowsIsRefused) {
    std::string rows; // TR3050: 17 key caps
    for (int slot = 0; slot < 17; ++slot)
        rows += "K" + std::to_string(slot) + ",t" + std::to_string(slot) + "\r\n";
    std::string crOnly = rows;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"short", rows.substr(0, rows.size() / 2)},
        {"long", rows + "extra,row\r\n"},
        {"cr-only", crOnly},
        {"no-final-line-end", rows.substr(0, rows.size() - 2)},
        {"ff-before-the-last-row", rows.substr(0, 20) + "\xFF" + rows.substr(20)},
    };
    ASSERT_EQ(run({"new", "-o", path("base.tpl"), "--model", "2017"}).status, 0);
    for (const auto& c : cases) {
        write(path("in.txt"), c.bytes);
        write(path("out.tpl"), "old contents");
        const std::vector<std::string> args{"import",        path("in.txt"), "-o",
                                            path("out.tpl"), "--model",      "2017"};
        Result r = run(args);
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_EQ(r.err, "The number of rows in the text file is wrong\n"
                         "vornctl: nothing was written; --force saves the rows read\n")
            << c.name;
        EXPECT_EQ(read(path("out.tpl")), "old contents") << c.name;

        std::vector<std::string> forced = args;
        forced.push_back("--force");
        r = run(forced);
        EXPECT_EQ(r.status, 0) << c.name;
        EXPECT_EQ(read(path("out.tpl")).size(), 2048u) << c.name;
    }
    write(path("in.txt"), rows);
    EXPECT_EQ(run({"import", path("in.txt"), "-o", path("out.tpl"), "--model", "2017"}).status, 0);
}

TEST_F(DocumentCommands, UnreadableInputsAreFileErrors) {
    Result r = run({"import", path("missing.txt"), "-o", path("o.tpl")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "The text file: <" + path("missing.txt") +
                         "> is NOT in the directory !! Error code = 2\n");
    write(path("short.tpl"), "short");
    EXPECT_EQ(run({"export", path("short.tpl"), "-o", "-"}).status, 2);
    EXPECT_EQ(run({"export", path("missing.tpl"), "-o", "-"}).status, 2);
    ASSERT_EQ(run({"new", "-o", path("n.tpl")}).status, 0);
    r = run({"export", path("n.tpl"), "-o", path("no/such/dir.txt")});
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(std::filesystem::exists(path("o.tpl")));

    write(path("big.txt"), std::string(1024 * 1024 + 1, 'x'));
    r = run({"import", path("big.txt"), "-o", path("o.tpl")});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "The text file: <" + path("big.txt") +
                         "> is larger than 1048576 bytes (1 MiB) !!\nNothing is imported.\n");
    EXPECT_FALSE(std::filesystem::exists(path("o.tpl")));
}

} // namespace
} // namespace vorn::cli

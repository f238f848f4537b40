#include <gtest/gtest.h>

#include "CliRun.h"
#include "Cp932.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace {

// A hand-made year: two classes, two subjects, one student absent; results with 英数.
class ExportCommand : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"wqnmkiso.txt", "N261.csv", "JT26_1_1.txt"})
            fs::copy_file(kData / name, dir / name);
        ASSERT_EQ(
            run({"results", "--year", "2026", "--test", "1", "--grade", "1", "--combos", "英数"}),
            0);
    }
    int run(std::vector<std::string> words, std::string* err = nullptr) {
        words.insert(words.begin(), {"-C", dir.path().string()});
        return runJitsuryoku(words, nullptr, err);
    }

    const fs::path kData = fs::path(JITSU_TESTDATA_DIR) / "export-small";
    TempDir dir;
};

}  // namespace

TEST_F(ExportCommand, WritesTheGoldenCsvInUtf8AndCp932) {
    const std::string golden = readBytes(kData / "expected.csv");
    const std::vector<std::string> common = {"export",  "--year", "2026",     "--test", "1",
                                             "--grade", "1",      "--format", "csv"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), common.begin(), common.end());
        return more;
    };
    ASSERT_EQ(run(with({"-o", "out.csv"})), 0);
    EXPECT_EQ(readBytes(dir / "out.csv"), golden);
    ASSERT_EQ(run(with({"--encoding", "cp932", "-o", "out2.csv"})), 0);
    EXPECT_EQ(readBytes(dir / "out2.csv"), jitsu::toCp932(golden.substr(3)));
}

TEST_F(ExportCommand, ImportFailureOrRefusalLeavesTheRosterAsItWas) {
    const std::string roster = readBytes(dir / "N261.csv");
    writeBytes(dir / "in.csv", "組,番号,氏名\n1,1,佐藤\n");
    std::string err;
    EXPECT_EQ(run({"import-roster", "in.csv", "--grade", "1"}, &err), 1);
    EXPECT_NE(err.find("N261.csv exists already (use --force to replace it)"), std::string::npos)
        << err;
    writeBytes(dir / "in.csv", "組,番号,氏名\n1,1,佐藤\n9,1,鈴木\n");
    EXPECT_EQ(run({"import-roster", "in.csv", "--grade", "1", "--force"}, &err), 1);
    EXPECT_NE(err.find("in.csv:3: class \"9\""), std::string::npos) << err;
    EXPECT_EQ(readBytes(dir / "N261.csv"), roster);
}

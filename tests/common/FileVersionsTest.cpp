// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "AtomicWrite.h"
#include "FileRewrite.h"
#include "FileVersions.h"
#include "TempDir.h"

using namespace jitsu;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> keptBytes(const fs::path& file) {
    std::vector<std::string> bytes;
    for (const FileVersion& v : listVersions(file)) bytes.push_back(readBytes(v.path));
    return bytes;
}

}  // namespace

// Every save keeps the bytes it replaces, newest first, with the file's mode and the program
// that saved; a save that changes nothing adds none; a new file has none.
TEST(FileVersions, EverySaveKeepsTheBytesItReplaces) {
    TempDir dir;
    const fs::path file = dir / "JT26_2_1.txt";
    ASSERT_TRUE(writeFileAtomically(file, "first"));
    EXPECT_TRUE(listVersions(file).empty());
    fs::permissions(file, fs::perms(0640));
    ASSERT_TRUE(writeFileAtomically(file, "second"));
    ASSERT_TRUE(writeFileAtomically(file, "third"));
    ASSERT_TRUE(writeFileAtomically(file, "third"));
    EXPECT_EQ(keptBytes(file), (std::vector<std::string>{"second", "first"}));

    const std::vector<FileVersion> versions = listVersions(file);
    EXPECT_EQ(versions[0].program, "common_tests");
    EXPECT_EQ(versions[0].bytes, 6u);
    EXPECT_GE(versions[0].microseconds, versions[1].microseconds);
    struct stat st;
    ASSERT_EQ(::stat(versions[1].path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(versions[0].path.parent_path().parent_path(),
              dir.path() / std::string(kVersionsFolder));
}

TEST(FileVersions, KeepsTheLastTwenty) {
    TempDir dir;
    const fs::path file = dir / "wqnmkiso.txt";
    for (int i = 0; i <= 25; ++i) ASSERT_TRUE(writeFileAtomically(file, std::to_string(i)));
    const std::vector<std::string> kept = keptBytes(file);
    ASSERT_EQ(kept.size(), static_cast<std::size_t>(kVersionsKept));
    EXPECT_EQ(kept.front(), "24");
    EXPECT_EQ(kept.back(), "5");
}

// A wrong save undone: the restored bytes are back, and the wrong ones are a version in turn.
TEST(FileVersions, RestoreUndoesAWrongSaveAndCanBeUndone) {
    TempDir dir;
    const fs::path file = dir / "JT26_2_1.txt";
    ASSERT_TRUE(writeFileAtomically(file, "85 \r\n"));
    ASSERT_TRUE(writeFileAtomically(file, "0 \r\n"));
    ASSERT_TRUE(restoreVersion(file, 1));
    EXPECT_EQ(readBytes(file), "85 \r\n");
    EXPECT_EQ(keptBytes(file), (std::vector<std::string>{"0 \r\n", "85 \r\n"}));
    ASSERT_TRUE(restoreVersion(file, 1));
    EXPECT_EQ(readBytes(file), "0 \r\n");

    for (int wrong : {0, 4, -1}) {
        const Status status = restoreVersion(file, wrong);
        EXPECT_FALSE(status);
        EXPECT_NE(status.reason().find("JT26_2_1.txt: no version"), std::string::npos);
    }
}

// The versions stay in the data folder: a versions folder that is a link elsewhere, or a file,
// stops the save, which leaves the old file as it was and writes nothing elsewhere.
TEST(FileVersions, NeverLeaveTheDataFolder) {
    TempDir dir, elsewhere;
    const fs::path file = dir / "N261.csv";
    writeBytes(file, "old");
    for (bool link : {true, false}) {
        if (link)
            fs::create_directory_symlink(elsewhere.path(), dir / std::string(kVersionsFolder));
        else
            writeBytes(dir / std::string(kVersionsFolder), "");
        const Status status = writeFileAtomically(file, "new");
        EXPECT_FALSE(status);
        EXPECT_NE(status.reason().find("N261.csv: the earlier version cannot be kept"),
                  std::string::npos)
            << status.reason();
        EXPECT_EQ(readBytes(file), "old");
        EXPECT_TRUE(fs::is_empty(elsewhere.path()));
        fs::remove(dir / std::string(kVersionsFolder));
    }
}

// A version keeps its bytes when the saved file is then changed in place (as a text editor
// may), whoever wrote it; the suite's own hidden files keep none.
TEST(FileVersions, AVersionOutlivesChangesToTheFileAndHiddenFilesKeepNone) {
    TempDir dir;
    const fs::path file = dir / "N261.csv";
    writeBytes(file, "10101,A\r\n");
    ASSERT_TRUE(writeFileAtomically(file, "10101,B\r\n"));
    writeBytes(file, "10101,C\r\n");  // in place
    ASSERT_TRUE(writeFileAtomically(file, "10101,D\r\n"));
    EXPECT_EQ(keptBytes(file), (std::vector<std::string>{"10101,C\r\n", "10101,A\r\n"}));

    const fs::path hidden = dir / ".jitsuryoku-aligned-N261.csv";
    ASSERT_TRUE(writeFileAtomically(hidden, "1"));
    ASSERT_TRUE(writeFileAtomically(hidden, "2"));
    EXPECT_TRUE(listVersions(hidden).empty());
}

// A change of several files: a file whose new bytes are its old ones is left alone (no
// version), the others are written, then the last one; a file changed meanwhile undoes it all.
TEST(FileRewrite, WritesWhatChangesThenTheLastAllOrNothing) {
    TempDir dir;
    const fs::path same = dir / "JT26_1_1.txt", moved = dir / "JT26_2_1.txt";
    writeBytes(same, "1 \r\n");
    writeBytes(moved, "2 \r\n");
    const std::vector<FileRewrite> files = {{same, "1 \n", "1 \r\n"}, {moved, "2 \n", "3 \r\n"}};
    int lastCalls = 0;
    ASSERT_TRUE(rewriteAllOrNothing(files, "changed", [&] {
        ++lastCalls;
        return Status::ok();
    }));
    EXPECT_EQ(lastCalls, 1);
    EXPECT_TRUE(listVersions(same).empty());
    EXPECT_EQ(readBytes(moved), "3 \r\n");
    EXPECT_EQ(keptBytes(moved), std::vector<std::string>{"2 \r\n"});

    writeBytes(moved, "2 \r\n");
    const Status failed = rewriteAllOrNothing({{moved, "2 \n", "4 \r\n"}}, "changed since", [] {
        return Status::error("the last write failed");
    });
    EXPECT_EQ(failed.reason(), "the last write failed");
    EXPECT_EQ(readBytes(moved), "2 \r\n");
}

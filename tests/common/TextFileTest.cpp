// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "TempDir.h"
#include "TextFile.h"

using namespace jitsu;

TEST(TextFile, ReadsCrLfAsLfAndSurveysTheBytes) {
    TempDir dir;
    writeBytes(dir / "f.txt", "a\r\nb\rc\n\r\n");
    std::string text;
    FileFindings health;
    ASSERT_TRUE(readTextFile(dir / "f.txt", 100, text, &health));
    EXPECT_EQ(text, "a\nb\rc\n\n");
    EXPECT_EQ(health.bytes, 9u);
    EXPECT_EQ(health.crLfEnds, 2u);
    EXPECT_EQ(health.crEnds, 1u);
    EXPECT_EQ(health.lfEnds, 1u);
}

// Only a missing file may be taken for new; anything else that is no readable regular file of a
// sensible size is an error naming the file.
TEST(TextFile, MissingIsToldApartFromUnreadable) {
    TempDir dir;
    std::filesystem::create_directory(dir / "dir.txt");
    ASSERT_EQ(::mkfifo((dir / "fifo.txt").c_str(), 0600), 0);
    writeBytes(dir / "big.txt", std::string(101, '7'));
    std::string text;
    EXPECT_TRUE(readTextFile(dir / "none.txt", 100, text).isMissing());
    for (const char* name : {"dir.txt", "fifo.txt", "big.txt"}) {
        Status status = readTextFile(dir / name, 100, text);  // the FIFO must not block
        EXPECT_FALSE(status) << name;
        EXPECT_FALSE(status.isMissing()) << name;
        EXPECT_NE(status.reason().find((dir / name).string()), std::string::npos)
            << status.reason();
    }
}

// A save replaces the file whole and leaves no temporary file (the failures midway are tested
// on the in-memory file system). A place that cannot take the file fails.
TEST(AtomicWrite, ReplacesTheFileWhole) {
    TempDir dir;
    writeBytes(dir / "JT26_1_1.txt", "78 -1 \r\n90 88 \r\n");
    ASSERT_TRUE(writeFileAtomically(dir / "JT26_1_1.txt", "a much longer new content"));
    EXPECT_EQ(readBytes(dir / "JT26_1_1.txt"), "a much longer new content");
    // The file, the folder of its earlier versions and the folder's lock file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
    EXPECT_FALSE(writeFileAtomically(dir / "no-such-dir" / "f.txt", "x"));
    std::filesystem::create_directory(dir / "taken.txt");  // a directory where the file should go
    EXPECT_FALSE(writeFileAtomically(dir / "taken.txt", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.txt"));
}

TEST(AtomicWrite, KeepsTheModeTheSchoolSetAndFollowsALink) {
    TempDir dir;
    const auto file = dir / "JT26_1_1.txt";
    for (mode_t mode : {0600, 0640, 0604}) {
        writeBytes(file, "old");
        std::filesystem::permissions(file, std::filesystem::perms(mode));
        ASSERT_TRUE(writeFileAtomically(file, "new"));
        EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(mode));
    }
    const mode_t mask = ::umask(027);
    Status fresh = writeFileAtomically(dir / "JT26_2_1.txt", "new");
    ::umask(mask);
    ASSERT_TRUE(fresh);
    EXPECT_EQ(std::filesystem::status(dir / "JT26_2_1.txt").permissions(),
              std::filesystem::perms(0640));

    std::filesystem::create_symlink("JT26_1_1.txt", dir / "link.txt");
    ASSERT_TRUE(writeFileAtomically(dir / "link.txt", "through the link"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
    EXPECT_EQ(readBytes(file), "through the link");
}

// A killed save leaves its temporary file; the next save of the same file removes it once it is
// older than any save takes, and touches nothing else.
TEST(AtomicWrite, RemovesOldTemporariesOfTheSameTargetOnly) {
    TempDir dir;
    const auto old = std::filesystem::file_time_type::clock::now() - kStaleTemporaryAge -
                     std::chrono::minutes(1);
    const std::vector<std::pair<std::string, bool>> files = {
        {".JT26_1_1.txt.a1B2c3", true},    {".JT26_1_1.txt.d4E5f6", false},  // fresh: in progress
        {".JT26_1_2.txt.a1B2c3", false},   {".JT26_1_1.txt.a1B2c", false},
        {".JT26_1_1.txt.a1B2c3.x", false}, {"JT26_1_1.txt.a1B2c3", false}};
    for (const auto& [name, isStale] : files) {
        writeBytes(dir / name, "x");
        if (name != ".JT26_1_1.txt.d4E5f6") std::filesystem::last_write_time(dir / name, old);
    }
    ASSERT_TRUE(writeFileAtomically(dir / "JT26_1_1.txt", "new"));
    for (const auto& [name, isStale] : files)
        EXPECT_EQ(std::filesystem::exists(dir / name), !isStale) << name;
}

// The folder a file is named in is its boundary: links that stay inside it are followed for
// reading and writing alike; one that leads out, dangles or loops is refused by both, with a
// reason naming the file and the link's target, and nothing outside is read or changed.
TEST(FolderBoundary, LinksAreFollowedOnlyInsideTheFolder) {
    TempDir outside;
    writeBytes(outside / "notes.txt", "private");
    TempDir dir;
    std::filesystem::create_directory(dir / "sub");
    writeBytes(dir / "sub" / "real.txt", "inside");
    writeBytes(dir / "real.txt", "inside");
    std::filesystem::create_directory_symlink(outside.path(), dir / "away");
    struct Case {
        std::string link;  // where JK26_2_1.txt points
        bool followed;
        std::string said = "";  // what the reasons say, the link's target unless given
    };
    const std::vector<Case> cases = {
        {"real.txt", true},
        {"sub/real.txt", true},
        {"./sub/../real.txt", true},
        {(dir / "sub" / "real.txt").string(), true},
        {(outside / "notes.txt").string(), false},
        {"../" + outside.path().filename().string() + "/notes.txt", false},
        {"away/notes.txt", false},
        {"missing.txt", false},
        {(outside / "new.txt").string(), false},
        {"JK26_2_1.txt", false, "loop"},
        {"sub", false, "not a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        const auto file = dir / "JK26_2_1.txt";
        std::filesystem::remove(file);
        std::filesystem::create_symlink(c.link, file);
        std::string text;
        Status read = readTextFile(file, 100, text);
        Status written = writeFileAtomically(file, "results");
        EXPECT_EQ(bool(read), c.followed) << read.reason();
        EXPECT_EQ(bool(written), c.followed) << written.reason();
        EXPECT_TRUE(std::filesystem::is_symlink(file));
        for (const Status& s : {read, written}) {
            if (c.followed) continue;
            EXPECT_FALSE(s.isMissing());
            EXPECT_NE(s.reason().find(file.string()), std::string::npos) << s.reason();
            const std::string& said = c.said.empty() ? c.link : c.said;
            EXPECT_NE(s.reason().find(said), std::string::npos) << s.reason();
        }
        if (c.followed) {
            EXPECT_EQ(readBytes(file), "results");
        }
    }
    EXPECT_EQ(readBytes(outside / "notes.txt"), "private");
    EXPECT_FALSE(std::filesystem::exists(outside / "new.txt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(outside.path()), {}), 1);
}

// A file without write permission by its mode is the school's decision: it stays, whoever runs
// the program (root included), and the reason says so.
TEST(AtomicWrite, LeavesAReadOnlyFileAsItIs) {
    TempDir dir;
    const auto file = dir / "JT26_1_1.txt";
    writeBytes(file, "kept");
    std::filesystem::permissions(file, std::filesystem::perms(0444));
    Status status = writeFileAtomically(file, "new");
    EXPECT_FALSE(status);
    EXPECT_NE(status.reason().find("read-only"), std::string::npos) << status.reason();
    EXPECT_NE(status.reason().find(file.string()), std::string::npos) << status.reason();
    EXPECT_EQ(readBytes(file), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A library that writes by name writes the temporary file; only commit() puts it in place, and
// dropping the replacement leaves the target as it was.
TEST(AtomicWrite, LibrariesWriteThroughTheTemporaryName) {
    TempDir dir;
    const auto file = dir / "JK26_2_1.xlsx";
    writeBytes(file, "old");
    {
        AtomicReplacement dropped(file);
        ASSERT_TRUE(dropped.start());
        writeBytes(dropped.temporaryPath(), "half");
    }
    EXPECT_EQ(readBytes(file), "old");
    AtomicReplacement replacement(file);
    ASSERT_TRUE(replacement.start());
    writeBytes(replacement.temporaryPath(), "workbook");
    ASSERT_TRUE(replacement.commit());
    EXPECT_EQ(readBytes(file), "workbook");
    // The workbook, the folder of its earlier versions and the folder's lock file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

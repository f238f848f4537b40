#include <gtest/gtest.h>

#include "TempDir.h"
#include "TextFile.h"

using namespace jitsu;

TEST(TextFile, ReadsCrLfAsLfAndSurveysTheBytes) {
    TempDir dir;
    writeBytes(dir / "f.txt", "a\r\nb\rc\n\r\n");
    std::string text;
    FileHealth health;
    ASSERT_TRUE(readTextFile(dir / "f.txt", 100, text, &health));
    EXPECT_EQ(text, "a\nb\rc\n\n");
    EXPECT_EQ(health.bytes, 9u);
    EXPECT_EQ(health.crLfEnds, 2u);
    EXPECT_EQ(health.crEnds, 1u);
    EXPECT_EQ(health.lfEnds, 1u);
}

TEST(TextFile, WritesLfAsCrLf) { EXPECT_EQ(toCrLf("a \nb\n"), "a \r\nb\r\n"); }

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporary) {
    TempDir dir;
    writeBytes(dir / "JT26_1_1.txt", "old");
    ASSERT_TRUE(writeFileAtomically(dir / "JT26_1_1.txt", "new content"));
    EXPECT_EQ(readBytes(dir / "JT26_1_1.txt"), "new content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicWrite, AFailingWriteLeavesTheOldFileByteIdentical) {
    TempDir dir;
    const std::string old = "78 -1 \r\n90 88 \r\n";
    for (WriteFault fault : {WriteFault{WriteFault::Kind::FailAfterBytes, 0},
                             WriteFault{WriteFault::Kind::FailAfterBytes, 5},
                             WriteFault{WriteFault::Kind::FailRename, 0}}) {
        writeBytes(dir / "JT26_1_1.txt", old);
        Status status =
            writeFileAtomically(dir / "JT26_1_1.txt", "a much longer new content", fault);
        EXPECT_FALSE(status);
        EXPECT_FALSE(status.reason().empty());
        EXPECT_EQ(readBytes(dir / "JT26_1_1.txt"), old);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
}

TEST(AtomicWrite, UnwritablePlacesFail) {
    TempDir dir;
    EXPECT_FALSE(writeFileAtomically(dir / "no-such-dir" / "f.txt", "x"));
    std::filesystem::create_directory(dir / "taken.txt");  // a directory where the file should go
    EXPECT_FALSE(writeFileAtomically(dir / "taken.txt", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.txt"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "AtomicWrite.h"
#include "MemoryFileSystem.h"
#include "TextFile.h"

using namespace jitsu;

// Every way a save can fail midway leaves the old file byte for byte and no temporary file, and
// says which file and why.
TEST(SaveFaults, LeaveTheOldFileWholeAndSayWhy) {
    const std::filesystem::path file = "JT26_1_1.txt";
    const std::string old = "78 -1 \r\n90 88 \r\n", now = "a much longer new content";
    struct Case {
        const char* name;
        std::optional<std::size_t> writeFailsAfter;
        bool readOnly, heldOpen;
        const char* cause;
    };
    const Case cases[] = {
        {"the first byte fails", 0, false, false, "no space left on the disk"},
        {"five bytes reach the disk", 5, false, false, "no space left on the disk"},
        {"a read-only disk", std::nullopt, true, false, "the disk is read-only"},
        {"another program holds the file", std::nullopt, false, true, "another program has"},
    };
    for (const Case& c : cases) {
        MemoryFileSystem disk;
        const ScopedFileSystem use(disk);
        disk.files[file] = old;
        disk.faults.writeFailsAfter = c.writeFailsAfter;
        disk.faults.readOnly = c.readOnly;
        if (c.heldOpen) disk.faults.heldOpen.insert(file);
        const Status status = writeFileAtomically(file, now);
        EXPECT_FALSE(status) << c.name;
        EXPECT_EQ(disk.files[file], old) << c.name;
        EXPECT_EQ(disk.temporaries(), 0) << c.name;
        EXPECT_NE(status.reason().find("JT26_1_1.txt: "), std::string::npos) << status.reason();
        EXPECT_NE(status.reason().find(c.cause), std::string::npos) << status.reason();
    }
}

// The readers take what the file system in use gives, the missing file told apart.
TEST(SaveFaults, ReadersGoThroughTheFileSystemInUse) {
    MemoryFileSystem disk;
    const ScopedFileSystem use(disk);
    ASSERT_TRUE(writeFileAtomically("f.txt", "a\r\nb\r\n"));
    std::string text;
    ASSERT_TRUE(readTextFile("f.txt", 100, text));
    EXPECT_EQ(text, "a\nb\n");
    EXPECT_TRUE(readTextFile("none.txt", 100, text).isMissing());
    EXPECT_FALSE(readTextFile("f.txt", 3, text));
}

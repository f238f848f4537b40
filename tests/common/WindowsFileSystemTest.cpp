// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows file system (WindowsFileSystem.cpp) on the disk that Windows, or wine, gives it:
// the replacement, the save lock, names and reads. Targets are prepared and checked with the
// system's own calls, not through the code under test.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <thread>

#include "AtomicWrite.h"
#include "Catalogue.h"
#include "FileSystem.h"
#include "FileVersions.h"
#include "TempDir.h"

using namespace jitsu;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// What stands where the save goes.
enum class Target {
    Nothing,
    File,
    Folder,
    ReadOnlyFile,
    // Open in another program without FILE_SHARE_DELETE (a spreadsheet): for the whole save, or
    // let go after a moment (a virus scan).
    HeldFile,
    BrieflyHeldFile,
};

struct ReplaceCase {
    const char* name;
    Target target;
    const char* refusal;  // a part of the reason; nullptr when the save succeeds
};

const std::string kOld = "old\r\n";
const std::string kNew = "new\r\n\x1a";

class Holder {
public:
    explicit Holder(const fs::path& path)
        : handle_(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~Holder() { letGo(); }
    bool holds() const { return handle_ != INVALID_HANDLE_VALUE; }
    void letGo() {
        if (holds()) ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
    }

private:
    HANDLE handle_;
};

// The names in `dir` besides the target, the lock file and the versions folder: the
// temporary files a save left behind.
std::vector<std::string> leftovers(const fs::path& dir, const std::string& target) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = utf8FromPath(entry.path().filename());
        if (name != target && name != ".jitsuryoku.lock" && name != kVersionsFolder)
            names.push_back(name);
    }
    return names;
}

}  // namespace

// A save replaces an existing file with ReplaceFileW and makes a new one with MoveFileExW,
// keeping the old bytes as a version that restores, as on Linux; whatever it refuses, it leaves
// the target as it was and no temporary file behind.
TEST(WindowsFileSystem, ReplacesAFileOrRefusesLeavingItAsItWas) {
    const ReplaceCase cases[] = {
        {"an existing file", Target::File, nullptr},
        {"no file yet", Target::Nothing, nullptr},
        {"a folder", Target::Folder, "is not a regular file; it was not replaced"},
        {"a read-only file", Target::ReadOnlyFile, "is read-only; it was not replaced"},
        {"a file held open", Target::HeldFile, "another program has the file open"},
        {"a file held a moment", Target::BrieflyHeldFile, nullptr},
    };
    for (const ReplaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path target = dir / "JK26_1_1.txt";
        if (c.target == Target::Folder) {
            ASSERT_TRUE(::CreateDirectoryW(target.c_str(), nullptr));
        } else if (c.target != Target::Nothing) {
            writeBytes(target, kOld);
        }
        // (wine keeps the attribute in the Linux file's write permission.)
        if (c.target == Target::ReadOnlyFile) {
            ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        std::optional<Holder> holder;
        if (c.target == Target::HeldFile || c.target == Target::BrieflyHeldFile) {
            holder.emplace(target);
            ASSERT_TRUE(holder->holds());
        }
        std::thread scan;
        if (c.target == Target::BrieflyHeldFile)
            scan = std::thread([&] {
                std::this_thread::sleep_for(300ms);
                holder->letGo();
            });

        const Status saved = writeFileAtomically(target, kNew);
        if (scan.joinable()) scan.join();
        holder.reset();

        const DWORD attributes = ::GetFileAttributesW(target.c_str());
        if (c.refusal) {
            EXPECT_FALSE(saved);
            EXPECT_NE(saved.reason().find(c.refusal), std::string::npos) << saved.reason();
            EXPECT_EQ(saved.reason().find(utf8FromPath(target)), 0u) << saved.reason();
        } else {
            EXPECT_TRUE(saved) << saved.reason();
        }
        if (c.target == Target::Folder) {
            EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
        } else {
            EXPECT_EQ(readBytes(target), saved ? kNew : kOld);
        }
        // The old bytes kept once when replaced; a refused save may have kept them too (the
        // version is made just before the rename), never anything else.
        const auto versions = listVersions(target);
        if (saved) {
            EXPECT_EQ(versions.size(), c.target == Target::Nothing ? 0u : 1u);
        }
        for (const FileVersion& version : versions) EXPECT_EQ(readBytes(version.path), kOld);
        EXPECT_EQ(leftovers(dir.path(), "JK26_1_1.txt"), std::vector<std::string>{});
        if (saved && !versions.empty()) {
            EXPECT_TRUE(restoreVersion(target, 1));
            EXPECT_EQ(readBytes(target), kOld);
        }
        ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// The save lock (LockFileEx) is held per handle, as flock is per open file on Linux: a second
// taker waits, gives up after its wait with a reason, and gets it once the first lets go.
TEST(WindowsFileSystem, TheSaveLockMakesASecondTakerWait) {
    TempDir dir;
    const fs::path file = dir / "wqnmkiso.txt";
    FileSystem& system = nativeFileSystem();
    std::unique_ptr<FolderLock> first, second;
    ASSERT_TRUE(system.lockFolder(dir.path(), file, 0ms, first));
    const Status timedOut = system.lockFolder(dir.path(), file, 50ms, second);
    EXPECT_FALSE(timedOut);
    EXPECT_NE(timedOut.reason().find("has not ended"), std::string::npos) << timedOut.reason();
    EXPECT_EQ(second, nullptr);

    std::thread release([&] {
        std::this_thread::sleep_for(100ms);
        first.reset();
    });
    const Status waited = system.lockFolder(dir.path(), file, 10s, second);
    release.join();
    EXPECT_TRUE(waited) << waited.reason();
    EXPECT_NE(second, nullptr);
}

// Names are UTF-16 on the disk and UTF-8 inside; a file's bytes are read and written as they
// are, CR LF and the end-of-file byte 0x1A of text mode included.
TEST(WindowsFileSystem, NamesRoundTripAndBytesStayAsTheyAre) {
    struct Case {
        const char* folder;
        const wchar_t* wideFolder;
        const char* file;
        const wchar_t* wideFile;
        std::string bytes;
    };
    const Case cases[] = {
        {"年度", L"年度", "名簿.csv", L"名簿.csv", "組,番号,氏名\r\n1,1,\x8d\xb2\x93\xa1\r\n"},
        {"data", L"data", "JK26_1_1.txt", L"JK26_1_1.txt", std::string("a\r\n\x1a\r\rb\n\0c", 11)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        TempDir dir;
        const fs::path folder = dir.path() / pathFromUtf8(c.folder);
        ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
        const fs::path file = folder / pathFromUtf8(c.file);
        ASSERT_TRUE(writeFileAtomically(file, c.bytes));

        const fs::path wide = dir.path() / c.wideFolder / c.wideFile;
        EXPECT_NE(::GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(readBytes(wide), c.bytes);
        std::string read;
        EXPECT_TRUE(fileSystem().readFile(file, 1000, read));
        EXPECT_EQ(read, c.bytes);
        std::vector<std::string> listed;
        for (const std::string& name : fileSystem().list(folder))
            if (!name.starts_with(".")) listed.push_back(name);  // the lock file
        EXPECT_EQ(listed, std::vector<std::string>{c.file});
        EXPECT_EQ(utf8FromPath(wide), utf8FromPath(dir.path()) + "\\" + c.folder + "\\" + c.file);
    }
}

// An error the suite has no words for keeps Windows' own (FormatMessageW), asked for in the
// language the program speaks: a name with "<" is one Windows refuses (error 123).
TEST(WindowsFileSystem, TheSystemsOwnWordsAreInTheLanguageSpoken) {
    TempDir dir;
    const fs::path refused = dir / "a<b.txt";
    std::string bytes;
    const std::string english = fileSystem().readFile(refused, 100, bytes).reason();
    ASSERT_TRUE(speakJapanese());
    const std::string japanese = fileSystem().readFile(refused, 100, bytes).reason();
    speakEnglish();

    const std::string opened = ": cannot be opened: ", number = " (error 123)";
    ASSERT_TRUE(english.starts_with(utf8FromPath(refused) + opened)) << english;
    ASSERT_TRUE(english.ends_with(number)) << english;
    const std::string words = english.substr(utf8FromPath(refused).size() + opened.size());
    EXPECT_TRUE(std::all_of(words.begin(), words.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
    })) << words;
    const auto from = japanese.find("「"), to = japanese.find("」（番号 123）");
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos) << japanese;
    const std::string japaneseWords = japanese.substr(from + 3, to - from - 3);
    EXPECT_TRUE(std::any_of(japaneseWords.begin(), japaneseWords.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x80;
    })) << japaneseWords;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "SaveLock.h"
#include "TempDir.h"

using namespace jitsu;
using namespace std::chrono_literals;

namespace {

std::string thisHost() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

// A process id that no process has: a child that has ended and been reaped.
long endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

void age(const std::filesystem::path& file, std::chrono::seconds by) {
    std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::now() - by);
}

}  // namespace

TEST(SaveLock, HeldFileExistsOnlyWhileHeldAndReentersInOneThread) {
    TempDir dir;
    const auto file = dir / "JT26_1_1.txt";
    {
        SaveLock outer, inner;
        ASSERT_TRUE(outer.acquire(file));
        EXPECT_TRUE(std::filesystem::exists(dir / kHeldFileName));
        ASSERT_TRUE(inner.acquire(file, 0ms));  // the same thread: no wait
        inner.release();
        EXPECT_TRUE(std::filesystem::exists(dir / kHeldFileName));  // the outer one still holds
    }
    EXPECT_FALSE(std::filesystem::exists(dir / kHeldFileName));
    EXPECT_TRUE(std::filesystem::exists(dir / kLockFileName));  // stays for the next save
}

TEST(SaveLock, AnotherThreadWaitsUntilItIsLetGo) {
    TempDir dir;
    const auto file = dir / "wqnmkiso.txt";
    SaveLock lock;
    ASSERT_TRUE(lock.acquire(file));
    std::atomic<bool> released{false}, tookItEarly{false};
    std::thread other([&] {
        SaveLock mine;
        ASSERT_TRUE(mine.acquire(file, 10s));
        tookItEarly = !released;
    });
    std::this_thread::sleep_for(50ms);
    released = true;
    lock.release();
    other.join();
    EXPECT_FALSE(tookItEarly);

    ASSERT_TRUE(lock.acquire(file));
    Status timedOut = Status::ok();
    std::thread([&] { timedOut = SaveLock().acquire(file, 20ms); }).join();
    EXPECT_FALSE(timedOut);
    EXPECT_NE(timedOut.reason().find("has not ended"), std::string::npos) << timedOut.reason();
}

// What a save killed while holding the lock leaves: a held file, taken over only when stale.
struct HeldCase {
    const char* name;
    bool thisHost;
    bool ownerAlive;
    std::chrono::seconds age;
    bool takenOver;
};

TEST(SaveLock, HeldFileLeftBehind) {
    const HeldCase cases[] = {
        {"this host, owner gone", true, false, 0s, true},
        {"this host, owner alive, no flock held by it", true, true, 0s, true},
        {"another host, fresh", false, true, 0s, false},
        {"another host, older than the stale age", false, true, kStaleHeldAge + 5s, true},
    };
    for (const HeldCase& c : cases) {
        TempDir dir;
        const auto held = dir / kHeldFileName;
        const long pid = c.ownerAlive ? static_cast<long>(::getppid()) : endedProcess();
        writeBytes(held, (c.thisHost ? thisHost() : std::string("other-terminal")) + " " +
                             std::to_string(pid) + "\n");
        if (c.age > 0s) age(held, c.age);
        SaveLock lock;
        EXPECT_EQ(bool(lock.acquire(dir / "JT26_1_1.txt", 50ms)), c.takenOver) << c.name;
    }
}

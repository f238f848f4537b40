// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BasicData.h"
#include "DemoYear.h"
#include "Paths.h"
#include "TempDir.h"

// The small school year most tests start from, written by the demo generator into a fresh
// temporary directory: per grade two classes of 3 to 5 students, five subjects (英語 国語 数学 理科
// 社会, disciplines 1 to 5), five tests (社会 of test 2 out of 50), scores of tests 1 and 2, a
// few students absent. The same files on every run. `data` is its basic data as read back.
struct TestYear {
    TempDir dir;
    jitsu::BasicData data;

    explicit TestYear(const jitsu::DemoYearSize& size = {{2, 2, 2}, 3, 5}) {
        std::vector<jitsu::Reason> written;
        EXPECT_TRUE(jitsu::writeDemoYear(dir.path(), false, written, size));
        EXPECT_TRUE(jitsu::readBasicData(jitsu::basicDataPath(dir.path()), data));
    }

    const std::filesystem::path& path() const { return dir.path(); }
};

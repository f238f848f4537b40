// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "InkedAreas.h"

using namespace jitsu;

namespace {

struct Case {
    const char* what;
    DotBox asked;
    bool meets;
};

}  // namespace

// A rule across a B4 sheet, a box at the far corner and one beyond the grid: each is found from
// any tile it crosses and only where it lies, edges included.
TEST(InkedAreas, FindsABoxWhereverItLiesAndNowhereElse) {
    InkedAreas inked;
    inked.add({160, 394, 6721, 395});     // a rule over 27 tiles
    inked.add({7000, 8400, 7010, 8410});  // the last tile of the grid
    inked.add({9000, 9000, 9100, 9100});  // beyond it
    inked.add({-50, -50, -10, -10});      // before it
    const Case cases[] = {
        {"on the rule's middle", {3000, 380, 3100, 400}, true},
        {"touching its top edge", {3000, 300, 3100, 394}, true},
        {"just above it", {3000, 300, 3100, 393.9}, false},
        {"just below it", {3000, 395.1, 3100, 480}, false},
        {"past its end", {6722, 390, 6800, 400}, false},
        {"on the corner box", {7005, 8405, 7006, 8406}, true},
        {"beside it in the same tile", {7100, 8400, 7200, 8410}, false},
        {"on the box beyond the grid", {9050, 9050, 9060, 9060}, true},
        {"in the edge tile, not on it", {8500, 8500, 8600, 8600}, false},
        {"on the box before the grid", {-20, -20, 0, 0}, true},
        {"a clean middle of the sheet", {2000, 3000, 2500, 3100}, false},
        {"a box around all", {-100, -100, 10000, 10000}, true},
    };
    for (const Case& c : cases) EXPECT_EQ(inked.meets(c.asked), c.meets) << c.what;
}

TEST(InkedAreas, ANewSheetIsClean) {
    InkedAreas inked;
    inked.add({0, 0, 5000, 7000});
    inked.clear();
    EXPECT_FALSE(inked.meets({100, 100, 200, 200}));
}

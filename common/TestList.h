// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace jitsu {

// The label of test number 1 to 10: "第１回" … "第１０回" (UTF-8); empty outside that range.
std::string testLabel(int testNumber);

// The first n labels (n clamped to 0 … 10): the items of every program's test combo box.
std::vector<std::string> testList(int n);

// The test preselected in the combo box in month `month` (0 = January … 11) with n tests:
// June–July the 2nd, August–September the 3rd, October–December the 4th, January–February the
// 5th, each only when n is large enough, otherwise the 1st; -1 (nothing) when n is 0.
int defaultTestIndex(int month, int n);

}  // namespace jitsu

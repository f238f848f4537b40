// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BasicData.h"
#include "CheckListPage.h"
#include "Services.h"
#include "Status.h"

namespace jitsu {

// The smallest magnification the window allows.
inline constexpr int kMinCheckListPercent = 80;

// Prints the check lists of one grade as one document on B4 portrait: two identical pages for
// every checked class, in class order. Reads the grade's roster and its score file of the test
// afresh. A missing roster or score file is announced (beep and a stop box) and abandons the
// grade, as does a cancelled print dialog (silently) or pages that do not fit the sheet and that
// the person chose not to print (confirmPageFit). Returns an error for the missing files and
// for a document the printer could not print; a cancelled dialog is not an error.
Status runCheckLists(const Services& services, const BasicData& data,
                     const CheckListRequest& request);

}  // namespace jitsu

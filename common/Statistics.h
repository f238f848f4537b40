// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BasicData.h"
#include "Combinations.h"
#include "GradeResults.h"
#include "TestScores.h"

namespace jitsu {

// The statistics of one grade in one test, over every class of the grade: per subject and per
// ticked combination the examinees, the single-precision average, the population standard
// deviation, and per slot the deviation score and the rank in the grade (equal values share a
// rank). `scores` is copied whole; entries outside the grade keep "none" (-1, -1.0). Any
// negative score counts as none. A standard deviation of 0 gives every examinee the deviation
// score 50.0. Only slots 0 to 44 of a class are read, whatever its head count.
void computeGradeResults(const GradeData& grade, const TestScores& scores,
                         const CombinationSet& ticked, GradeResults& out);

// The values a reader of the results file starts from: every score -1, everything else 0
// (flags and standard deviations included), so that a short file leaves nothing of an
// earlier grade behind.
void resetGradeResults(GradeResults& results);

}  // namespace jitsu

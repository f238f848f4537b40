// SPDX-License-Identifier: GPL-3.0-or-later
#include "YearResults.h"

#include "DamagedFile.h"
#include "FileFindings.h"
#include "FileSystem.h"
#include "MessageTexts.h"
#include "Paths.h"
#include "ResultsFile.h"

namespace jitsu::history {

YearResults readYearResults(const std::filesystem::path& dir, const BasicData& data, unsigned year,
                            int grade, Messages& messages) {
    const GradeData& gradeData = data.grades[grade];
    YearResults found;
    for (int test = 1; test <= gradeData.tests(); ++test) {
        const auto path = resultsPath(dir, year, test, grade + 1);
        auto results = std::make_unique<GradeResults>();
        FileFindings health;
        const Status read = readResultsFile(path, gradeData, *results, &health);
        if (read.isMissing()) continue;
        std::string finding;
        if (!read)
            finding = read.reason();
        else if (const ShapeFit fit = checkShape(health); !fit.fits)
            finding = utf8FromPath(path) + ": " + std::to_string(fit.found) +
                      " values, the basic data asks for " + std::to_string(fit.expected);
        else if (health.damaged())
            finding = findingOf(path, health);
        if (!finding.empty()) {
            messages.inform(kLeftOutText, text::kWarning, MessageIcon::Exclamation, finding);
            found.leftOut.push_back(std::move(finding));
            continue;
        }
        found.tests.push_back({test, std::move(results)});
    }
    return found;
}

}  // namespace jitsu::history

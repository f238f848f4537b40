#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Status.h"

namespace jitsu::cli {

inline constexpr unsigned kDemoYear = 2026;

// Writes an invented school year into `dir` (created if missing): the basic data file, a roster
// per grade and the score files of tests 1 and 2 of every grade. Refuses to replace an existing
// basic data file unless `force`. `written` receives a line per file written.
Status writeDemoYear(const std::filesystem::path& dir, bool force, std::vector<std::string>& written);

}  // namespace jitsu::cli

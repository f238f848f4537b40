// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "Era.h"
#include "Status.h"

namespace jitsu {

// The choices a data folder keeps for every program that works in it, in its settings file
// (jitsuryoku-settings.txt: one "name=value" line each, ASCII, CR LF; `era=seireki` or
// `era=wareki`). A folder without the file has the defaults.
struct FolderSettings {
    Era era = Era::Seireki;
};

std::filesystem::path folderSettingsPath(const std::filesystem::path& dir);

// Reads the settings of `dir`. A missing file gives the defaults and ok; an unknown name or a
// value outside its choices is an error naming the file and the line, a file without any setting
// an error naming the file, and `settings` keeps the defaults for it.
Status readFolderSettings(const std::filesystem::path& dir, FolderSettings& settings);

// Replaces the settings file of `dir` atomically.
Status writeFolderSettings(const std::filesystem::path& dir, const FolderSettings& settings);

}  // namespace jitsu

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderSettings.h"

#include "AtomicWrite.h"
#include "TextFile.h"

namespace jitsu {

namespace {

// Far more than the few lines the file holds: a larger file is not ours.
constexpr std::size_t kMaxSettingsBytes = 4096;

}  // namespace

std::filesystem::path folderSettingsPath(const std::filesystem::path& dir) {
    return dir / "jitsuryoku-settings.txt";
}

Status readFolderSettings(const std::filesystem::path& dir, FolderSettings& settings) {
    settings = FolderSettings{};
    const auto path = folderSettingsPath(dir);
    std::string text;
    Status read = readTextFile(path, kMaxSettingsBytes, text);
    if (read.isMissing()) return Status::ok();
    if (!read) return read;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    bool anySetting = false;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.empty()) continue;
        const auto equals = line.find('=');
        const auto era = equals == std::string_view::npos || line.substr(0, equals) != "era"
                             ? std::nullopt
                             : parseEra(line.substr(equals + 1));
        if (!era)
            return Status::error(
                because(N_("{1}:{2}: not a setting of the suite (era=seireki or era=wareki)"), path,
                        lineNumber));
        settings.era = *era;
        anySetting = true;
    }
    // The suite never writes a file without its setting: an empty one is a cut copy, and the
    // defaults would print the Western year where the school chose the Japanese era.
    if (!anySetting)
        return Status::error(
            because(N_("{1}: holds no setting (era=seireki or era=wareki)"), path));
    return Status::ok();
}

Status writeFolderSettings(const std::filesystem::path& dir, const FolderSettings& settings) {
    std::string text = "era=";
    text += eraWord(settings.era);
    text += "\r\n";
    return writeFileAtomically(folderSettingsPath(dir), text);
}

}  // namespace jitsu

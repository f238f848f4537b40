// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include "Arguments.h"
#include "Commands.h"
#include "FileSystem.h"
#include "FileVersions.h"
#include "Reason.h"

namespace jitsu::cli {

namespace {

// The data file named by the command's first word: a name in the data folder, never a path,
// since versions are kept only there.
std::optional<std::filesystem::path> dataFile(CommandContext& context, std::string& error) {
    const std::string& name = context.args.positional()[0];
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..") {
        error = because(N_("'{1}' is no file name of the data folder (give the name alone)"), name)
                    .text();
        return std::nullopt;
    }
    return context.dir / name;
}

std::string versionLine(const FileVersion& v) {
    char number[8];
    std::snprintf(number, sizeof number, "%3d", v.number);
    return std::string(number) + "  " + versionTimeText(v.microseconds) + "  " + v.program + "  " +
           because(N_("{1} bytes"), v.bytes).text();
}

}  // namespace

int versionsCommand(CommandContext& context) {
    std::string error;
    const auto file = dataFile(context, error);
    if (!file) return context.usageError(error);
    const std::vector<FileVersion> versions = listVersions(*file);
    if (versions.empty())
        context.out << because(N_("no earlier version of {1} is kept"), file->filename()).text()
                    << '\n';
    for (const FileVersion& v : versions) context.out << versionLine(v) << '\n';
    return kExitOk;
}

int restoreCommand(CommandContext& context) {
    std::string error;
    const auto file = dataFile(context, error);
    if (!file) return context.usageError(error);
    const auto number = parseWholeNumber(context.args.positional()[1]);
    if (!number || *number < 1 || *number > kVersionsKept)
        return context.usageError(
            because(N_("the version is a number from 1 to {1} as versions lists it"), kVersionsKept)
                .text());
    const std::vector<FileVersion> versions = listVersions(*file);
    if (Status s = restoreVersion(*file, static_cast<int>(*number)); !s)
        return context.dataError(s.reason());
    context.out << because(N_("restored {1} from version {2}; the bytes it replaced are version 1 "
                              "now"),
                           file->filename(),
                           versionLine(versions[static_cast<std::size_t>(*number - 1)]))
                       .text()
                << '\n';
    return kExitOk;
}

}  // namespace jitsu::cli

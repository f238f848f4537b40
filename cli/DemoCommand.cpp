// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"
#include "Commands.h"
#include "DemoYear.h"
#include "FileSystem.h"

namespace jitsu::cli {

int demoCommand(CommandContext& context) {
    const Arguments& args = context.args;
    std::filesystem::path dir = pathFromUtf8(args.positional()[0]);
    if (dir.is_relative()) dir = context.dir / dir;
    std::vector<std::string> written;
    Status status = writeDemoYear(dir, args.flag("force"), written);
    for (const std::string& line : written) context.out << "wrote " << line << '\n';
    if (!status) return context.dataError(status.reason());
    return kExitOk;
}

}  // namespace jitsu::cli

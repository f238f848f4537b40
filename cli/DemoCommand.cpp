// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"
#include "Commands.h"
#include "DemoYear.h"
#include "FileSystem.h"
#include "Reason.h"

namespace jitsu::cli {

int demoCommand(CommandContext& context) {
    const Arguments& args = context.args;
    std::filesystem::path dir = pathFromUtf8(args.positional()[0]);
    if (dir.is_relative()) dir = context.dir / dir;
    std::vector<Reason> written;
    Status status = writeDemoYear(dir, args.flag("force"), written);
    for (const Reason& line : written) context.out << line.text() << '\n';
    if (!status) return context.dataError(status.reason());
    return kExitOk;
}

}  // namespace jitsu::cli

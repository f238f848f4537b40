#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

#include "Printer.h"
#include "Status.h"

namespace jitsu::cli {

// Makes sure a QGuiApplication exists, which drawing on a PDF page needs (fonts, painter). When
// neither DISPLAY nor WAYLAND_DISPLAY is set, it runs on the offscreen platform. The application
// lives until the process ends; calling again does nothing.
void ensureGuiApplication();

// Where a printing command's pages go: a PDF file (--pdf), a trace file (--trace), or, with
// neither, the trace on `out`. A trace file is written, atomically, by finish().
class PrintOutput {
public:
    PrintOutput(const std::optional<std::filesystem::path>& pdf,
                const std::optional<std::filesystem::path>& trace, std::ostream& out);
    ~PrintOutput();

    Printer& printer() { return *printer_; }
    Status finish();

private:
    std::ostringstream traceText_;
    std::optional<std::filesystem::path> traceFile_;
    std::unique_ptr<Printer> printer_;
};

}  // namespace jitsu::cli

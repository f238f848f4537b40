// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Printer.h"
#include "Status.h"

namespace jitsu {

// A CUPS queue reached through the client commands (lpstat, lp from cups-client), so that
// printing a finished PDF needs neither a print dialog nor Qt's printing library. A queue is
// named, or "default" for the default one.

// Whether `queue` can name a queue: printable ASCII without blanks, '/' or '#', and no leading
// '-' (it would be read as an option of lpstat or lp).
Status checkQueueName(const std::string& queue);

// Whether the scheduler knows the queue; the error names the queue. Names that
// checkQueueName refuses are refused here and by queuePdf without running a command.
Status findQueue(const std::string& queue);

// Hands `pdf` to the queue as one job named `title`, on the media of `paper`, one copy.
Status queuePdf(const std::string& queue, std::string_view pdf, PaperSize paper,
                const std::string& title);

// A PDF printer whose finished document goes to the queue.
std::unique_ptr<Printer> queuePrinter(const std::string& queue, const std::string& title,
                                      PageRange range = {});

}  // namespace jitsu

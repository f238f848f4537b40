// SPDX-License-Identifier: GPL-3.0-or-later
#include "CupsQueue.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "PdfPrinter.h"
#include "Reason.h"

extern char** environ;

namespace jitsu {

namespace {

constexpr const char* kNoClient =
    N_("printer '{1}': the CUPS client commands (lpstat, lp) are not installed");

struct CommandOutcome {
    bool ran = false;  // false: the command could not be started
    int exitStatus = -1;
    std::string output;  // standard output and standard error together
};

// Runs `words` (found on the PATH) in the C locale, whose answers are parsed.
CommandOutcome runCommand(const std::vector<std::string>& words) {
    CommandOutcome outcome;
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return outcome;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v)
        if (std::strncmp(*v, "LC_ALL=", 7) != 0 && std::strncmp(*v, "LANGUAGE=", 9) != 0)
            variables.emplace_back(*v);
    variables.emplace_back("LC_ALL=C");
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);
    pid_t pid;
    const int spawned = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawned == 0) {
        char buffer[4096];
        for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
            if (n > 0)
                outcome.output.append(buffer, static_cast<std::size_t>(n));
            else if (errno != EINTR)
                break;
        }
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        outcome.ran = true;
        outcome.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    ::close(pipeEnds[0]);
    return outcome;
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

// The PWG name of the paper, which CUPS matches to any printer's own size names.
const char* mediaName(PaperSize paper) {
    switch (paper) {
        case PaperSize::A3:
            return "iso_a3_297x420mm";
        case PaperSize::A4:
            break;
        case PaperSize::B4:
            return "jis_b4_257x364mm";
        case PaperSize::B5:
            return "jis_b5_182x257mm";
    }
    return "iso_a4_210x297mm";
}

}  // namespace

Status checkQueueName(const std::string& queue) {
    const bool printable = std::all_of(queue.begin(), queue.end(), [](char c) {
        return c > ' ' && c < 0x7F && c != '/' && c != '#';
    });
    if (!queue.empty() && queue[0] != '-' && printable) return Status::ok();
    return Status::error(because(N_("printer '{1}': not a queue name (printable characters "
                                    "without blanks, '/' or '#', not starting with '-')"),
                                 queue));
}

Status findQueue(const std::string& queue) {
    if (Status name = checkQueueName(queue); !name) return name;
    // The queue joined to its option: no name is ever read as another option.
    const CommandOutcome answer =
        runCommand(queue == "default" ? std::vector<std::string>{"lpstat", "-d"}
                                      : std::vector<std::string>{"lpstat", "-a" + queue});
    if (!answer.ran) return Status::error(because(kNoClient, queue));
    if (queue == "default") {
        if (answer.output.rfind("system default destination: ", 0) == 0) return Status::ok();
        return Status::error(Reason(N_("printer 'default': there is no default printer queue")));
    }
    if (answer.exitStatus == 0) return Status::ok();
    return Status::error(
        because(N_("printer '{1}': no such queue (or the print scheduler is not running)"), queue));
}

Status queuePdf(const std::string& queue, std::string_view pdf, PaperSize paper,
                const std::string& title) {
    if (Status name = checkQueueName(queue); !name) return name;
    // lp reads the file and sends it to the scheduler before it ends: the file may go then.
    std::string path =
        (std::filesystem::temp_directory_path() / "jitsuryoku-print.XXXXXX").string();
    const int fd = ::mkstemp(path.data());
    if (fd < 0)
        return Status::error(because(N_("printer '{1}': the PDF cannot be handed over: {2}"), queue,
                                     Reason::ofErrno(errno, true)));
    std::size_t written = 0;
    while (written < pdf.size()) {
        const ssize_t n = ::write(fd, pdf.data() + written, pdf.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    const int writeError = errno;
    ::close(fd);
    if (written < pdf.size()) {
        ::unlink(path.c_str());
        return Status::error(because(N_("printer '{1}': the PDF cannot be handed over: {2}"), queue,
                                     Reason::ofErrno(writeError, true)));
    }
    std::vector<std::string> words = {"lp"};
    if (queue != "default") words.push_back("-d" + queue);
    words.insert(words.end(), {"-t", title, "-n", "1", "-o",
                               std::string("media=") + mediaName(paper), "--", path});
    const CommandOutcome outcome = runCommand(words);
    ::unlink(path.c_str());
    if (!outcome.ran) return Status::error(because(kNoClient, queue));
    if (outcome.exitStatus != 0)
        return Status::error(because(N_("printer '{1}': {2}"), queue, firstLine(outcome.output)));
    return Status::ok();
}

std::unique_ptr<Printer> queuePrinter(const std::string& queue, const std::string& title,
                                      PageRange range) {
    auto toQueue = [queue, title](const QByteArray& pdf, PaperSize paper) {
        return queuePdf(queue,
                        std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                        paper, title);
    };
    return std::make_unique<PdfPrinter>(toQueue, range);
}

}  // namespace jitsu

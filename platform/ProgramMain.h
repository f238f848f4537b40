// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QLocale>
#include <concepts>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <vector>

#include "Catalogue.h"
#include "Clock.h"
#include "ProgramOptions.h"
#include "ProgramWindow.h"
#include "QtMessages.h"
#include "QtPrinter.h"
#include "QtTranslations.h"
#include "Reason.h"
#include "Services.h"
#include "System.h"
#include "Widgets.h"

namespace jitsu {

// Runs one of the suite's programs: its window `Form` works in the current directory (or the one
// named by -C DIR / --data-dir DIR) with the real services. FormCreate() returning false ends
// the program with exit code 0 (its message has been shown); programEnd ends it later.
template <std::derived_from<ProgramWindow> Form>
int runProgram(int argc, char** argv) {
    const std::string program = std::filesystem::path(argv[0]).filename().string();
    // What is said on the terminal before the window opens follows the locale, as the command
    // line does; the window itself speaks Japanese.
    speakLocaleLanguage(std::getenv, userInterfaceLanguage);
    ProgramOptions options = parseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (auto exitCode = applyProgramOptions(options, program, std::cout, std::cerr))
        return *exitCode;
    if (auto exitCode = requireDisplay(options, program, std::getenv, std::cerr)) return *exitCode;
    std::vector<char*> qtArgv{argv[0]};
    for (std::string& word : options.rest) qtArgv.push_back(word.data());
    int qtArgc = static_cast<int>(qtArgv.size());
    qtArgv.push_back(nullptr);
    QApplication app(qtArgc, qtArgv.data());
    if (qtArgc > 1) {
        std::cerr << program << ": "
                  << because(N_("{1} (see {2} --help)"),
                             because(N_("unknown option '{1}'"), qtArgv[1]), program)
                         .text()
                  << '\n';
        return 2;
    }
    installJapaneseQtTexts();
    // The dates, sizes and file types that Qt's dialogs show, in Japanese too.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    (void)speakJapanese();  // the windows speak Japanese whatever the locale
    QtMessages messages;
    QtPrinter printer;
    SystemClock clock;
    Services services{std::filesystem::current_path(), messages, printer, clock};
    Form form(services);
    messages.setParent(&form);
    printer.setDialogParent(&form);
    if (!options.dataDir.empty()) form.dataDirNamed();
    QObject::connect(&form, &ProgramWindow::programEnd, &app,
                     [](int code) { QCoreApplication::exit(code); });
    if (!form.FormCreate()) return 0;
    centreOnScreen(&form);
    form.show();
    return app.exec();
}

}  // namespace jitsu

#pragma once

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <filesystem>
#include <type_traits>

#include "Clock.h"
#include "QtMessages.h"
#include "QtPrinter.h"
#include "Services.h"
#include "Widgets.h"

namespace jitsu {

// Runs one of the suite's programs: its window `Form` works in the current directory with the
// real services. FormCreate() returning false ends the program with exit code 0 (its message
// has been shown); a window with a programEnd(int) signal may end it later the same way.
template <typename Form>
int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt's own texts in Japanese: the message boxes' はい, いいえ and キャンセル, the print dialog.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    QtMessages messages;
    QtPrinter printer;
    SystemClock clock;
    Services services{std::filesystem::current_path(), messages, printer, clock};
    Form form(services);
    messages.setParent(&form);
    printer.setDialogParent(&form);
    if constexpr (requires { &Form::programEnd; })
        QObject::connect(&form, &Form::programEnd, &app,
                         [](int code) { QCoreApplication::exit(code); });
    if constexpr (std::is_same_v<decltype(form.FormCreate()), bool>) {
        if (!form.FormCreate()) return 0;
    } else {
        form.FormCreate();
    }
    centreOnScreen(&form);
    form.show();
    return app.exec();
}

}  // namespace jitsu

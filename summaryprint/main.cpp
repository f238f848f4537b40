#include <QApplication>
#include <filesystem>

#include "Clock.h"
#include "QtMessages.h"
#include "QtPrinter.h"
#include "Services.h"
#include "SummaryWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    jitsu::QtMessages messages;
    jitsu::QtPrinter printer;
    jitsu::SystemClock clock;
    jitsu::Services services{std::filesystem::current_path(), messages, printer, clock};
    jitsu::summaryprint::TForm1 form(services);
    messages.setParent(&form);
    printer.setDialogParent(&form);
    if (!form.FormCreate()) return 0;
    form.show();
    return app.exec();
}

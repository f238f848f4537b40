#include <QApplication>
#include <filesystem>

#include "Clock.h"
#include "QtMessages.h"
#include "QtPrinter.h"
#include "TForm1.h"
#include "Widgets.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    jitsu::QtMessages messages;
    jitsu::QtPrinter printer;
    jitsu::SystemClock clock;
    jitsu::Services services{std::filesystem::current_path(), messages, printer, clock};
    jitsu::reportcard::TForm1 form(services);
    messages.setParent(&form);
    printer.setDialogParent(&form);
    if (!form.FormCreate()) return 0;
    jitsu::centreOnScreen(&form);
    form.show();
    return app.exec();
}

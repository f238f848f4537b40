#include <QApplication>
#include <filesystem>

#include "Clock.h"
#include "QtMessages.h"
#include "QtPrinter.h"
#include "TForm1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    jitsu::QtMessages messages;
    jitsu::QtPrinter printer;
    jitsu::SystemClock clock;
    jitsu::Services services{std::filesystem::current_path(), messages, printer, clock};
    jitsu::TForm1 form(services);
    messages.setParent(&form);
    QObject::connect(&form, &jitsu::TForm1::programEnd, &app,
                     [](int code) { QCoreApplication::exit(code); });
    if (!form.FormCreate()) return 0;
    form.show();
    return app.exec();
}

#include "app/appstyle.h"
#include "app/mainwindow.h"
#include "app/options.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    QString error;
    bool helpRequested = false;
    QString help;
    const auto options =
        app::parseStartOptions(application.arguments(), &error, &helpRequested, &help);
    if (!options) {
        std::fprintf(stderr, "%s\n%s", qPrintable(error), qPrintable(help));
        return 2;
    }
    if (helpRequested) {
        std::fputs(qPrintable(help), stdout);
        return 0;
    }

    app::applyStyle(application, app::defaultStyleName);

    app::TfrmMain window(options->store);
    window.show();
    return application.exec();
}

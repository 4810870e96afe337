// A bare Qt program that shows one of the bare windows and runs until it is ended: what
// bench_startup starts beside the program itself, linked with Qt's widgets and nothing else.
#include "BareWindows.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    const QString kind = QCoreApplication::arguments().value(1);
    const BareWindow bare =
        makeBareWindow(kind == QLatin1String("--bars")   ? BareKind::WithBars
                       : kind == QLatin1String("--look") ? BareKind::WithBarsAndLook
                                                         : BareKind::Plain);
    bare.window->show();
    return QApplication::exec();
}

// The smallest Qt Widgets program that shows a window: the yardstick for
// start-up time and resident memory.
#include "core/shown_report.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(302, 97);
    w.show();
    benchReportShown(&w);
    return app.exec();
}

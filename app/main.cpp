#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("horavox"));
    QApplication::setApplicationDisplayName(QStringLiteral("Horavox"));
    QApplication::setApplicationVersion(QStringLiteral(HORAVOX_VERSION));
    return 0;
}

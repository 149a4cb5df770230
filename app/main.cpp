#include "components/direct_ss.h"
#include "core/clock.h"
#include "core/message_sink.h"
#include "main_window/main_form.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

// For the start-up benchmark: with HORAVOX_BENCH_SHOWN set, print
// "shown <resident kB>" once the window is first exposed (and quit when it
// says "quit"), measured the same way as for the reference programs.
class ShownReporter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Expose && !m_done) {
            m_done = true;
            QTimer::singleShot(0, [] {
                long kb = -1;
                QFile f(QStringLiteral("/proc/self/status"));
                if (f.open(QIODevice::ReadOnly))
                    for (const QByteArray &line : f.readAll().split('\n'))
                        if (line.startsWith("VmRSS:"))
                            kb = line.mid(6).trimmed().split(' ').first().toLong();
                std::printf("shown %ld\n", kb);
                std::fflush(stdout);
                if (qgetenv("HORAVOX_BENCH_SHOWN") == "quit")
                    QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("horavox"));
    QApplication::setApplicationDisplayName(QStringLiteral("Horavox"));
    QApplication::setApplicationVersion(QStringLiteral(HORAVOX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("horavox"));
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/ICON/horavox")));

    horavox::AudioOutput audio;
    horavox::SdlMediaControl media(&audio);
    horavox::DirectSS engine(&audio, horavox::DirectSS::Options{});
    horavox::DialogMessageSink messages;

    horavox::MainForm window({horavox::systemClock(), media, engine, messages});
    QObject::connect(&window, &horavox::MainForm::finished, &app, &QApplication::quit, Qt::QueuedConnection);
    window.Form_Load();
    window.show();
    if (qEnvironmentVariableIsSet("HORAVOX_BENCH_SHOWN") && window.windowHandle())
        window.windowHandle()->installEventFilter(new ShownReporter(&window));
    window.startTimers();
    return app.exec();
}

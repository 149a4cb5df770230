// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Costs of the digit display: drawing the glyph strip, and redrawing the
// clock face as the host does every second (a clear and eight cell copies).
#include "glyph_strip_p.h"
#include "numeron_p.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTime>
#include <cstdio>

namespace {

template <typename F>
double microsecondsPer(int rounds, F &&work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        work(i);
    return timer.nsecsElapsed() / 1000.0 / rounds;
}

QString clockText(int second)
{
    const QTime t = QTime(10, 0, 0).addSecs(second);
    return t.toString(QStringLiteral("h:mm:ss"));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QElapsedTimer first;
    first.start();
    const QImage &strip = NumeronPrivate::glyphStrip();
    const double firstUse = first.nsecsElapsed() / 1000.0;
    volatile int sink = strip.width();

    const double stripDraw = microsecondsPer(500, [&](int) { sink = sink + numeron_strip::draw().width(); });

    Numeron clock;
    clock.setDigitColor(Numeron::dgGreen);
    clock.setDigitOutLine(false);
    clock.setDigitFormat(Numeron::dgLongTime);
    clock.setDigitSize(Numeron::dgSmall);
    const QStringList texts = [] {
        QStringList out;
        for (int s = 0; s < 3600; ++s)
            out << clockText(s);
        return out;
    }();

    const int rounds = 200000;
    const double faceOnly = microsecondsPer(rounds, [&](int) { NumeronPrivate::get(&clock)->DrawDigits(); });
    const double perTick = microsecondsPer(rounds, [&](int i) {
        clock.setDigitFormat(Numeron::dgLongTime);
        clock.setDigitDisplay(texts.at(i % texts.size()));
    });
    const double format = microsecondsPer(rounds, [&](int i) {
        sink = sink + NumeronPrivate::FormatDigits(texts.at(i % texts.size()), Numeron::dgLongTime, false,
                                            Numeron::dgRight, 4).size();
    });

    Numeron large;
    large.setDigitSize(Numeron::dgLarge);
    large.setDigitFormat(Numeron::dgLongTime);
    const double largeFace = microsecondsPer(rounds, [&](int) { NumeronPrivate::get(&large)->DrawDigits(); });

    QImage screen(clock.size(), QImage::Format_RGB32);
    const double shown = microsecondsPer(20000, [&](int) { clock.render(&screen); });

    std::printf("numeron: glyph strip on first use          %9.1f us\n", firstUse);
    std::printf("numeron: glyph strip drawing                %9.1f us\n", stripDraw);
    std::printf("numeron: face redraw, small long time       %9.3f us\n", faceOnly);
    std::printf("numeron: face redraw, large long time       %9.3f us\n", largeFace);
    std::printf("numeron: clock tick (format + text set)     %9.3f us\n", perTick);
    std::printf("numeron: FormatDigits of a clock text       %9.3f us\n", format);
    std::printf("numeron: widget paint of the face           %9.3f us\n", shown);
    std::printf("numeron: glyph strip memory                 %9lld bytes (+ %lld for the copy used to paint)\n",
                static_cast<long long>(strip.sizeInBytes()),
                static_cast<long long>(strip.width()) * strip.height() * 4);
    return sink == -1;
}

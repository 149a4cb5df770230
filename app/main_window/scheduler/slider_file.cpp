// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "slider_file.h"

#include "core/leading_number.h"
#include "core/paths.h"
#include "core/rounding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>

namespace horavox {

namespace {

bool writeLine(const QString &path, const QByteArray &line, QString *why = nullptr)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const auto fail = [&] {
        if (why)
            *why = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    const QByteArray bytes = line + "\r\n";
    // Flushed before the commit: QSaveFile would otherwise put an empty file
    // in place of the old one when the disk refuses the buffered bytes.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const bool failed = fail();
        file.cancelWriting();
        return failed;
    }
    return file.commit() || fail();
}

} // namespace

void SliderCheck()
{
    SliderCheck(sliderFilePath());
}

void SliderCheck(const QString &path)
{
    if (QFileInfo(path).isFile())
        return;
    writeLine(path, QByteArray::number(kDefaultSliderPosition));
}

int parseSliderPosition(const QString &line)
{
    // leadingNumber() saturates a line of many digits instead of wrapping it
    // round into a plausible position.
    const double limited = std::clamp(leadingNumber(line), 0.0, double(kMaxSliderPosition));
    return int(roundHalfEven(limited));
}

int readSliderPosition()
{
    return readSliderPosition(sliderFilePath());
}

int readSliderPosition(const QString &path)
{
    return readSliderFile(path, nullptr).value_or(kDefaultSliderPosition);
}

std::optional<int> readSliderFile(const QString &path, QString *why)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why)
            *why = file.errorString();
        return std::nullopt;
    }
    QByteArray first = file.readLine(4096);
    if (file.error() != QFileDevice::NoError) {
        if (why)
            *why = file.errorString();
        return std::nullopt;
    }
    while (first.endsWith('\n') || first.endsWith('\r'))
        first.chop(1);
    return parseSliderPosition(QString::fromLatin1(first));
}

qint16 sliderValueFor(double rangeLeft)
{
    const double v = roundHalfEven(rangeLeft * 30.0);
    if (std::isnan(v))
        return 0;
    return qint16(std::clamp(v, double(std::numeric_limits<qint16>::min()),
                             double(std::numeric_limits<qint16>::max())));
}

bool WriteSlider(double rangeLeft)
{
    return WriteSlider(rangeLeft, sliderFilePath());
}

bool WriteSlider(double rangeLeft, const QString &path, QString *why)
{
    return writeLine(path, QByteArray::number(sliderValueFor(rangeLeft)), why);
}

int minutesForSliderPosition(int position)
{
    return int(roundHalfEven(position / 1790.0 * 60.0));
}

} // namespace horavox

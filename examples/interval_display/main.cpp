// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The digit display and the range slider in an ordinary layout: dragging the
// slider (or pressing the arrow keys on it) shows its value on the digits,
// which turn green while the pointer is held.

#include <numeron.h>
#include <spanbar.h>

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("IntervalDisplay", text);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(tr("Interval display"));

    auto *digits = new Numeron;
    digits->setDigitSize(Numeron::dgLarge);
    digits->setDigitPlaceHolders(2);
    digits->setDigitColor(Numeron::dgRed);

    auto *slider = new Spanbar;
    auto *range = new QSpinBox;
    range->setRange(1, 120);
    range->setValue(slider->Range());

    // The value follows the pointer; the colour tells whether it is held.
    QObject::connect(slider, &Spanbar::valueChanged, digits, &Numeron::display);
    QObject::connect(slider, &Spanbar::sliderPressed, digits, [digits] { digits->setDigitColor(Numeron::dgGreen); });
    QObject::connect(slider, &Spanbar::sliderReleased, digits, [digits] { digits->setDigitColor(Numeron::dgRed); });
    // A new Range keeps the pointer where it stands, so the value scales.
    QObject::connect(range, &QSpinBox::valueChanged, slider, [slider, digits](int value) {
        slider->setRange(qint16(value));
        digits->setDigitPlaceHolders(value >= 100 ? 3 : 2);
    });

    auto *form = new QFormLayout;
    form->addRow(tr("Minutes:"), digits);
    form->addRow(tr("Interval:"), slider);
    form->addRow(tr("Range:"), range);

    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(tr("Drag the pointer or use the arrow keys.")));
    layout->addLayout(form);

    slider->setValue(15);
    digits->display(slider->value());

    window.show();
    return app.exec();
}

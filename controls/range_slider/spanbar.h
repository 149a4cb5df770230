// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
#include "spanbar_export.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QKeyEvent;
class SpanbarPrivate;

/**
 * A textured track with a draggable pointer whose position turns into a
 * whole number between 0 and Range, as a QSlider does.
 *
 * The control is 141 x 32 pixels at 96 dpi (2115 x 480 twips, 1/1440 inch)
 * with the 138 x 27 pixel track in its top left corner, and scales with the
 * screen's resolution; it does not follow a host's resize. Positions are
 * kept in twips, so the values do not depend on the screen.
 *
 * @code
 * Spanbar *interval = new Spanbar(this);
 * connect(interval, &Spanbar::valueChanged, display, &Numeron::display);
 * interval->setInitial(450); // a quarter of the track: 15 of 60
 * @endcode
 *
 * Values. value() is RangeLeft, the value at the left pointer. The pointer
 * stops at the track's left end (0) and at the upper stop (1800 twips on the
 * standard track, the value Range) however fast the mouse moves. Only
 * setInitial() puts it elsewhere, unchecked: then RangeLeft may lie below 0
 * or above Range.
 *
 * Notifications. valueChanged(), RangeChanged(), RangeLeftChanged() and
 * RangeRightChanged() are emitted only when their value really changes.
 * Changed() is emitted after every drag step, key step and setInitial(),
 * whether the values changed or not. A drag with the mouse is
 * sliderPressed() and MouseDown(), a series of Changed(), then MouseUp() and
 * sliderReleased().
 *
 * A right pointer exists but is hidden unless setRightPointerVisible(true);
 * hidden, it only serves as the upper stop for the left pointer and as the
 * source of RangeRight. Shown, it drags by the mirror rules: it stops at the
 * track's right end and at the left pointer's right edge.
 *
 * Keyboard. The control takes the focus on Tab or a click. Left, Down and
 * Minus move the left pointer one whole value down, Right, Up, Plus and
 * Equal one up; Page Down and Page Up move it by five; Home puts it at 0 and
 * End at the upper stop. A key is reported as a short drag: MouseDown when
 * the key goes down (once for a held, repeating key), Changed after every
 * step (also when the pointer is already at an end), MouseUp when the key
 * comes up or the control loses the focus. The keyboard's MouseDown and
 * MouseUp carry Button 0 and X, Y 0, so a host can tell them from the
 * mouse's; keys emit no sliderPressed() or sliderReleased(). A host that
 * wants these keys to work while another of its controls has the focus
 * sends the key events on to the control (QCoreApplication::sendEvent);
 * handlesKey() says which keys it takes.
 *
 * Accessibility. Assistive technology sees a slider (QAccessible::Slider)
 * with no children, named by the widget's accessibleName and described by
 * the track's tooltip unless an accessibleDescription is set. Its value is
 * RangeLeft in 0..Range, in steps of 1; setting it there moves the pointer
 * as a key step does. Every change of RangeLeft is announced. The value is
 * read out as the plain number unless the host says what it means with
 * setValueReading() ("15 minutes" rather than "15").
 */
class SPANBAR_EXPORT Spanbar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint16 Range READ Range WRITE setRange NOTIFY RangeChanged)
    Q_PROPERTY(qint16 RangeLeft READ RangeLeft NOTIFY RangeLeftChanged STORED false)
    Q_PROPERTY(qint16 RangeRight READ RangeRight NOTIFY RangeRightChanged STORED false)
    // Not stored: the host places the pointer anew at each start.
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged USER true STORED false)

public:
    /// The Button argument of MouseDown and MouseUp (0 for the keyboard).
    enum ButtonCode : qint16 { LeftButtonCode = 1, RightButtonCode = 2, MiddleButtonCode = 4 };
    /// The Shift argument of MouseDown and MouseUp, one bit per modifier key.
    enum ShiftCode : qint16 { ShiftCodeShift = 1, ShiftCodeCtrl = 2, ShiftCodeAlt = 4 };

    /// The pointer at 0, Range 60: RangeLeft 0, RangeRight 60. Raises nothing.
    explicit Spanbar(QWidget *parent = nullptr);
    ~Spanbar() override;

    /// The value at the upper stop; default 60.
    qint16 Range() const;
    /// Stores the value as given, not checked, and recomputes RangeLeft and
    /// RangeRight; raises no Changed().
    void setRange(qint16 value);

    /// The value at the left pointer, rounded to the nearest whole number
    /// (halves to even); 0 at the track's left end, Range at the upper stop.
    qint16 RangeLeft() const;
    /// The value at the right pointer, never above Range.
    qint16 RangeRight() const;
    /// RangeLeft, as a Qt slider's value.
    int value() const;

    /// Puts the left pointer's left edge at `twips` from the track's left
    /// edge, unchecked, recomputes the values and raises Changed() (unless
    /// they overflow, see error()).
    void setInitial(qint16 twips);

    /// Whether the left pointer is held with the left mouse button: true
    /// from sliderPressed() to sliderReleased().
    bool isSliderDown() const;

    /// Whether the key is one the control moves its pointer with.
    static bool handlesKey(const QKeyEvent &event);

    /// What assistive technology reads for a value of the left pointer (its
    /// accessible Value text); an empty function (the default) reads the
    /// plain number.
    using ValueReading = std::function<QString(int value)>;
    void setValueReading(ValueReading reading);
    QString valueReading(int value) const;

    /// Whether the right pointer is shown; default false.
    bool isRightPointerVisible() const;
    void setRightPointerVisible(bool visible);

    /// Text of the last overflow, empty when the last computation succeeded.
    QString lastError() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Moves the left pointer to where `value` lies, held between the track's
    /// left end and the upper stop, and raises Changed(); does nothing when
    /// the pointer is already there.
    void setValue(int value);

Q_SIGNALS:
    /// After every drag step of a pointer, every key step and setInitial(),
    /// with copies of RangeLeft and RangeRight.
    void Changed(qint16 left, qint16 right);
    /// A button went down on the left pointer (x, y in twips from the
    /// pointer's top left) or on the control outside the track (from the
    /// control's); a press on the track beside the pointer raises nothing.
    void MouseDown(qint16 button, qint16 shift, float x, float y);
    /// A button came up, at the same places as MouseDown.
    void MouseUp(qint16 button, qint16 shift, float x, float y);
    /// A value did not fit in 16 bits. The pointer stays where it was put and
    /// RangeLeft and RangeRight keep their previous values.
    void error(const QString &message);

    /// NOTIFY signals of the properties, with the new value; emitted only
    /// when it differs from the one before.
    void RangeChanged(qint16 range);
    void RangeLeftChanged(qint16 left);
    void RangeRightChanged(qint16 right);
    void valueChanged(int value);
    /// The left pointer was pressed, or let go, with the left mouse button.
    void sliderPressed();
    void sliderReleased();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    const std::unique_ptr<SpanbarPrivate> d;
    Q_DECLARE_PRIVATE_D(d, Spanbar)
    Q_DISABLE_COPY_MOVE(Spanbar)
};

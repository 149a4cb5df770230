// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
#include "spanbar_export.h"
#include <QString>
#include <QWidget>
#include <functional>

class QKeyEvent;

class SpanbarPart;

// A textured track with a draggable left pointer whose position turns into a
// whole number between 0 and Range. Positions are kept in twips (1/1440 inch)
// as single-precision floats, so the values do not depend on the screen; the
// parts are laid out in pixels from the screen's twips-per-pixel ratio.
//
// Dragging a pointer with the left button keeps the point that was grabbed
// under the mouse. The left pointer stops at the track's left end and at the
// upper stop (the right pointer's left edge less one pointer width, 1800 twips
// and the value Range on the standard track) however fast the mouse moves, so
// a drag never carries it off the track or RangeLeft past Range.
//
// A right pointer exists but is hidden unless setRightPointerVisible(true);
// hidden, it only serves as the upper stop for the left pointer and as the
// source of RangeRight. Shown, it drags by the mirror rules: it stops at the
// track's right end and at the left pointer's right edge.
//
// Keyboard. The control takes the focus on Tab or a click. Left, Down and
// Minus move the left pointer one whole value down, Right, Up, Plus and Equal
// one up; Page Down and Page Up move it by five; Home puts it at 0 and End at
// the inner stop. A key is reported as a short drag: MouseDown when the key
// goes down (once for a held, repeating key), Changed after every step (also
// when the pointer is already at an end, as a drag step there is), MouseUp
// when the key comes up or the control loses the focus. The keyboard's
// MouseDown and MouseUp carry Button 0 and X, Y 0, so a host that cares can
// tell them from the mouse's. A host that wants these keys to work while
// another of its controls has the focus sends the key events on to the
// control (QCoreApplication::sendEvent); handlesKey() says which keys it takes.
//
// Accessibility. Creating the first instance installs a QAccessible factory,
// so assistive technology sees the control as a slider (QAccessible::Slider)
// with no children of its own, named by the widget's accessibleName and
// described by the track's tooltip unless an accessibleDescription is set.
// Its QAccessibleValueInterface gives RangeLeft as the current value and
// 0..Range as the range, in steps of 1; setting the value there moves the
// pointer as a key step does (MouseDown, Changed, MouseUp). Every change of
// RangeLeft is announced as a QAccessibleValueChangeEvent. The value is read
// out as the plain number unless the host says what it means with
// setValueReading() ("15 minutes" rather than "15").
class SPANBAR_EXPORT Spanbar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qint16 Range READ Range WRITE setRange)
    Q_PROPERTY(qint16 RangeLeft READ RangeLeft STORED false)
    Q_PROPERTY(qint16 RangeRight READ RangeRight STORED false)

public:
    // Design sizes in twips.
    static constexpr int TrackWidth = 2070;
    static constexpr int TrackHeight = 405;
    static constexpr int ControlWidth = 2115;
    static constexpr int ControlHeight = 480;
    static constexpr int PointerWidth = 255;

    // Codes carried by MouseDown and MouseUp.
    enum ButtonCode : qint16 { LeftButtonCode = 1, RightButtonCode = 2, MiddleButtonCode = 4 };
    enum ShiftCode : qint16 { ShiftCodeShift = 1, ShiftCodeCtrl = 2, ShiftCodeAlt = 4 };

    explicit Spanbar(QWidget *parent = nullptr);
    ~Spanbar() override;

    qint16 Range() const { return m_range; }
    // Stores the value as given and recomputes both values; raises nothing.
    void setRange(qint16 value);

    qint16 RangeLeft() const { return m_rangeLeft; }
    qint16 RangeRight() const { return m_rangeRight; }

    // Puts the left pointer's left edge at `twips`, unchecked, recomputes the
    // values and raises Changed (unless the values overflow, see error()).
    void setInitial(qint16 twips);

    // Moves the left pointer to `value` as a short keyboard drag does:
    // MouseDown, the step with Changed, MouseUp. The pointer is held between
    // the track's left end and the inner stop.
    void stepTo(int value);
    // Whether the key is one the control moves its pointer with.
    static bool handlesKey(const QKeyEvent &event);

    // What assistive technology reads for a value of the left pointer (its
    // accessible Value text); an empty function reads the plain number.
    using ValueReading = std::function<QString(int value)>;
    void setValueReading(ValueReading reading);
    QString valueReading(int value) const;

    float leftPointerPosition() const { return m_leftPos; }
    float rightPointerPosition() const { return m_rightPos; }

    bool isRightPointerVisible() const;
    void setRightPointerVisible(bool visible);

    // Text of the last overflow, empty when the last computation succeeded.
    QString lastError() const { return m_lastError; }

    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void Changed(qint16 left, qint16 right);
    void MouseDown(qint16 button, qint16 shift, float x, float y);
    void MouseUp(qint16 button, qint16 shift, float x, float y);
    // A value did not fit in 16 bits. The pointer stays where it was put and
    // RangeLeft/RangeRight keep their previous values.
    void error(const QString &message);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    friend class SpanbarPart;

    bool calcRange();
    void layoutParts();
    void leftPointerMoved(QMouseEvent *event);
    void rightPointerMoved(QMouseEvent *event);
    void raiseMouse(bool down, QMouseEvent *event, QPointF localPixels);
    // The keyboard's drag: begins once, steps, ends on key release.
    void beginKeyDrag(qint16 shift);
    void endKeyDrag(qint16 shift);
    void moveLeftToValue(int value);
    // The value a key asks for, from the current one; *handled is false for
    // keys the control does not take.
    int keyTarget(const QKeyEvent &event, bool *handled) const;

    SpanbarPart *m_track = nullptr;
    SpanbarPart *m_left = nullptr;
    SpanbarPart *m_right = nullptr;
    float m_leftPos = 0.0f;
    float m_rightPos = 0.0f;
    float m_leftGrab = 0.0f;  // where the left pointer was pressed, twips from its left edge
    float m_rightGrab = 0.0f;
    qint16 m_range = 0;
    qint16 m_rangeLeft = 0;
    qint16 m_rangeRight = 0;
    QString m_lastError;
    bool m_keyDrag = false;
    ValueReading m_valueReading;
};

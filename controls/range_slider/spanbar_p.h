// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
// The range slider's state, its parts and the twips geometry behind them,
// kept out of the installed header so that they can change without breaking
// programs built against the library. Exported only for the library's own
// tests; not installed.
#include "spanbar.h"

class QMouseEvent;
class SpanbarPart;

class SPANBAR_EXPORT SpanbarPrivate
{
    Q_DECLARE_PUBLIC(Spanbar)
public:
    // Design sizes in twips.
    static constexpr int TrackWidth = 2070;
    static constexpr int TrackHeight = 405;
    static constexpr int ControlWidth = 2115;
    static constexpr int ControlHeight = 480;
    static constexpr int PointerWidth = 255;

    explicit SpanbarPrivate(Spanbar *owner);

    static SpanbarPrivate *get(Spanbar *bar) { return bar->d_func(); }
    static const SpanbarPrivate *get(const Spanbar *bar) { return bar->d_func(); }

    // The pointers' left edges, in twips from the track's left edge.
    float leftPointerPosition() const { return m_leftPos; }
    float rightPointerPosition() const { return m_rightPos; }

    // Moves the left pointer to `value` as a short keyboard drag does:
    // MouseDown, the step with Changed, MouseUp. The pointer is held between
    // the track's left end and the inner stop.
    void stepTo(int value);

    double twipsPerPixelX() const;
    double twipsPerPixelY() const;

private:
    friend class SpanbarPart;

    void setUp();
    // Positions to values; false (and error()) when one does not fit 16 bits.
    bool calcRange();
    void layoutParts();
    void leftPointerMoved(QMouseEvent *event);
    void rightPointerMoved(QMouseEvent *event);
    void leftPointerPressed(QMouseEvent *event);
    void leftPointerReleased(QMouseEvent *event);
    void raiseMouse(bool down, QMouseEvent *event, QPointF localPixels);
    // The keyboard's drag: begins once, steps, ends on key release.
    void beginKeyDrag(qint16 shift);
    void endKeyDrag(qint16 shift);
    // Where the left pointer stands for `value`, held between the track's
    // left end and the inner stop.
    float positionOf(int value) const;
    void moveLeftTo(float position);
    // The value a key asks for, from the current one; *handled is false for
    // keys the control does not take.
    int keyTarget(const QKeyEvent &event, bool *handled) const;

    Spanbar *const q_ptr;
    SpanbarPart *m_track = nullptr;
    SpanbarPart *m_left = nullptr;
    SpanbarPart *m_right = nullptr;
    float m_leftPos = 0.0f;
    float m_rightPos = 0.0f;
    float m_leftGrab = 0.0f; // where the left pointer was pressed, twips from its left edge
    float m_rightGrab = 0.0f;
    qint16 m_range = 0;
    qint16 m_rangeLeft = 0;
    qint16 m_rangeRight = 0;
    QString m_lastError;
    bool m_keyDrag = false;
    bool m_sliderDown = false;
    Spanbar::ValueReading m_valueReading;
};

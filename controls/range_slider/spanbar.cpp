// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "spanbar_p.h"
#include "spanbar_accessible.h"
#include "spanbar_math.h"

#include <QAccessible>
#include <QEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

// Named as BMP and with the guess from the content turned off: otherwise Qt
// loads every image plugin it has to ask whether one of them reads BMP.
QPixmap bitmap(const QString &path)
{
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The right pointer's design width; its start position is derived from it
// before the pointer gets its working width.
constexpr int RightPointerDesignWidth = 135;
// Twips per pixel at the reference resolution the bitmaps are drawn for.
constexpr double ReferenceTwipsPerPixel = 15.0;
// Keeps a pointer far off the track from overflowing pixel geometry.
constexpr double PixelLimit = 1.0e6;

int toPixels(double twips, double twipsPerPixel)
{
    return qRound(qBound(-PixelLimit, twips / twipsPerPixel, PixelLimit));
}

// How far a key moves the pointer, in whole values.
constexpr int PageStep = 5;

enum class KeyMove { None, Step, ToStart, ToEnd };

KeyMove keyMove(const QKeyEvent &event, int *delta)
{
    *delta = 0;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Minus:
        *delta = -1;
        return KeyMove::Step;
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Plus:
    case Qt::Key_Equal: // "+" without Shift on most layouts
        *delta = 1;
        return KeyMove::Step;
    case Qt::Key_PageDown:
        *delta = -PageStep;
        return KeyMove::Step;
    case Qt::Key_PageUp:
        *delta = PageStep;
        return KeyMove::Step;
    case Qt::Key_Home:
        return KeyMove::ToStart;
    case Qt::Key_End:
        return KeyMove::ToEnd;
    default:
        return KeyMove::None;
    }
}

qint16 shiftCode(Qt::KeyboardModifiers mods)
{
    qint16 shift = 0;
    if (mods & Qt::ShiftModifier)
        shift |= Spanbar::ShiftCodeShift;
    if (mods & Qt::ControlModifier)
        shift |= Spanbar::ShiftCodeCtrl;
    if (mods & Qt::AltModifier)
        shift |= Spanbar::ShiftCodeAlt;
    return shift;
}

} // namespace

// One of the control's three parts. Each accepts every mouse event it gets,
// so a press on the track beside the pointer stops there instead of
// travelling on to the control's own surface (which reports presses).
class SpanbarPart : public QWidget
{
public:
    enum Role { Track, LeftPointer, RightPointer };

    SpanbarPart(QWidget *parent, SpanbarPrivate *owner, Role role)
        : QWidget(parent), m_owner(owner), m_role(role)
    {
    }

    void setPicture(const QPixmap &picture)
    {
        m_picture = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_picture.isNull())
            return;
        QPainter p(this);
        if (m_role == Track) {
            p.drawPixmap(rect(), m_picture);
            return;
        }
        // Pointers show the bitmap at its natural scale from their left edge;
        // the pointer is narrower than the bitmap, so its last column is cut.
        const double sx = ReferenceTwipsPerPixel / m_owner->twipsPerPixelX();
        const double sy = ReferenceTwipsPerPixel / m_owner->twipsPerPixelY();
        p.setRenderHint(QPainter::SmoothPixmapTransform, sx != 1.0 || sy != 1.0);
        p.drawPixmap(QRectF(0, 0, m_picture.width() * sx, m_picture.height() * sy), m_picture,
                     QRectF(m_picture.rect()));
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        event->accept();
        if (m_role == LeftPointer)
            m_owner->leftPointerPressed(event);
        else if (m_role == RightPointer)
            m_owner->m_rightGrab = float(event->position().x() * m_owner->twipsPerPixelX());
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        if (m_role == LeftPointer)
            m_owner->leftPointerReleased(event);
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        event->accept();
        if (m_role == LeftPointer)
            m_owner->leftPointerMoved(event);
        else if (m_role == RightPointer)
            m_owner->rightPointerMoved(event);
    }

private:
    SpanbarPrivate *m_owner;
    Role m_role;
    QPixmap m_picture;
};

Spanbar::Spanbar(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<SpanbarPrivate>(this))
{
    // First: Qt keeps the first interface it makes for a widget, and any
    // change announced during set-up would make the plain one.
    spanbar_accessible::install();
    d->setUp();
    setFocusPolicy(Qt::StrongFocus);
}

Spanbar::~Spanbar() = default;

SpanbarPrivate::SpanbarPrivate(Spanbar *owner)
    : q_ptr(owner)
{
}

void SpanbarPrivate::setUp()
{
    Q_Q(Spanbar);
    m_track = new SpanbarPart(q, this, SpanbarPart::Track);
    m_track->setObjectName(QStringLiteral("PicFrame"));
    m_track->setToolTip(Spanbar::tr("Set Time Interval"));
    m_left = new SpanbarPart(m_track, this, SpanbarPart::LeftPointer);
    m_left->setObjectName(QStringLiteral("PicLeft"));
    m_right = new SpanbarPart(m_track, this, SpanbarPart::RightPointer);
    m_right->setObjectName(QStringLiteral("PicRight"));

    const QPixmap pointer = bitmap(QStringLiteral(":/spanbar/SLIDERPOINTER"));
    const QPixmap backing = bitmap(QStringLiteral(":/spanbar/SLIDERBACKING"));
    m_left->setPicture(pointer);
    m_track->setPicture(backing);
    // The right pointer has no picture of its own; should it be shown, it
    // borrows the left one's so there is something to grab.
    m_right->setPicture(pointer);

    m_leftPos = 0.0f;
    // Taken from the design width, so the pointer lies almost wholly beyond
    // the track's right edge once it is widened; its left edge less one
    // pointer width is the left pointer's inner stop.
    m_rightPos = float(TrackWidth - RightPointerDesignWidth + 120);
    m_right->hide();
    layoutParts();

    q->setRange(60);
}

qint16 Spanbar::Range() const
{
    return d->m_range;
}

qint16 Spanbar::RangeLeft() const
{
    return d->m_rangeLeft;
}

qint16 Spanbar::RangeRight() const
{
    return d->m_rangeRight;
}

int Spanbar::value() const
{
    return d->m_rangeLeft;
}

bool Spanbar::isSliderDown() const
{
    return d->m_sliderDown;
}

QString Spanbar::lastError() const
{
    return d->m_lastError;
}

double SpanbarPrivate::twipsPerPixelX() const
{
    const int dpi = q_ptr->logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : ReferenceTwipsPerPixel;
}

double SpanbarPrivate::twipsPerPixelY() const
{
    const int dpi = q_ptr->logicalDpiY();
    return dpi > 0 ? 1440.0 / dpi : ReferenceTwipsPerPixel;
}

QSize Spanbar::sizeHint() const
{
    return QSize(toPixels(SpanbarPrivate::ControlWidth, d->twipsPerPixelX()),
                 toPixels(SpanbarPrivate::ControlHeight, d->twipsPerPixelY()));
}

QSize Spanbar::minimumSizeHint() const
{
    return QSize(toPixels(SpanbarPrivate::TrackWidth, d->twipsPerPixelX()),
                 toPixels(SpanbarPrivate::TrackHeight, d->twipsPerPixelY()));
}

void Spanbar::setRange(qint16 value)
{
    // Computed again even when unchanged: the last computation may have
    // overflowed, and the host is owed the same answer.
    const bool changed = d->m_range != value;
    d->m_range = value;
    if (changed)
        Q_EMIT RangeChanged(value);
    d->calcRange();
}

void Spanbar::setInitial(qint16 twips)
{
    d->m_leftPos = float(twips);
    d->layoutParts();
    if (d->calcRange())
        Q_EMIT Changed(d->m_rangeLeft, d->m_rangeRight);
}

void Spanbar::setValue(int value)
{
    const float position = d->positionOf(value);
    if (position == d->m_leftPos)
        return;
    d->moveLeftTo(position);
}

bool Spanbar::isRightPointerVisible() const
{
    return !d->m_right->isHidden();
}

void Spanbar::setRightPointerVisible(bool visible)
{
    d->m_right->setVisible(visible);
}

bool SpanbarPrivate::calcRange()
{
    Q_Q(Spanbar);
    // The track keeps its design size whatever the host does to the control,
    // so the span is a constant of the design.
    constexpr double span = spanbar_math::usableSpan(TrackWidth);
    const auto left = spanbar_math::leftValue(m_leftPos, span, m_range);
    const auto right = spanbar_math::rightValue(m_rightPos, PointerWidth, span, m_range);
    if (!left || !right) {
        m_lastError = QStringLiteral("Overflow");
        Q_EMIT q->error(m_lastError);
        return false;
    }
    const bool leftMoved = m_rangeLeft != *left;
    const bool rightMoved = m_rangeRight != *right;
    m_rangeLeft = *left;
    m_rangeRight = *right;
    m_lastError.clear();
    if (leftMoved) {
        QAccessibleValueChangeEvent change(q, int(m_rangeLeft));
        QAccessible::updateAccessibility(&change);
        Q_EMIT q->RangeLeftChanged(m_rangeLeft);
        Q_EMIT q->valueChanged(m_rangeLeft);
    }
    if (rightMoved)
        Q_EMIT q->RangeRightChanged(m_rangeRight);
    return true;
}

void SpanbarPrivate::layoutParts()
{
    const double tx = twipsPerPixelX();
    const double ty = twipsPerPixelY();
    const int trackHeight = toPixels(TrackHeight, ty);
    const int pointerWidth = toPixels(PointerWidth, tx);
    m_track->setGeometry(0, 0, toPixels(TrackWidth, tx), trackHeight);
    m_left->setGeometry(toPixels(m_leftPos, tx), 0, pointerWidth, trackHeight);
    m_right->setGeometry(toPixels(m_rightPos, tx), 0, pointerWidth, trackHeight);
    q_ptr->updateGeometry();
}

void SpanbarPrivate::leftPointerPressed(QMouseEvent *event)
{
    m_leftGrab = float(event->position().x() * twipsPerPixelX());
    raiseMouse(true, event, event->position());
    if (event->button() == Qt::LeftButton && !m_sliderDown) {
        m_sliderDown = true;
        Q_EMIT q_ptr->sliderPressed();
    }
}

void SpanbarPrivate::leftPointerReleased(QMouseEvent *event)
{
    raiseMouse(false, event, event->position());
    if (event->button() == Qt::LeftButton && m_sliderDown) {
        m_sliderDown = false;
        Q_EMIT q_ptr->sliderReleased();
    }
}

void SpanbarPrivate::leftPointerMoved(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const float x = float(event->position().x() * twipsPerPixelX());
    const float stop = m_rightPos - PointerWidth;
    // The track's left edge sits at the control's origin.
    constexpr float trackLeft = 0.0f;
    // The point grabbed stays under the mouse, and the limits are tested
    // where the step lands: however fast the step, the pointer never leaves
    // the track, where it could no longer be grabbed.
    const float target = m_leftPos + x - m_leftGrab;
    if (target <= trackLeft)
        m_leftPos = 0.0f;
    else if (target >= stop)
        m_leftPos = stop;
    else
        m_leftPos = target;
    m_left->move(toPixels(m_leftPos, twipsPerPixelX()), 0);
    if (calcRange())
        Q_EMIT q_ptr->Changed(m_rangeLeft, m_rangeRight);
}

void SpanbarPrivate::rightPointerMoved(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const float x = float(event->position().x() * twipsPerPixelX());
    constexpr float trackLeft = 0.0f;
    const float target = m_rightPos + x - m_rightGrab;
    if (target + PointerWidth >= trackLeft + TrackWidth)
        m_rightPos = float(TrackWidth - PointerWidth);
    else if (target <= m_leftPos + PointerWidth)
        m_rightPos = m_leftPos + PointerWidth;
    else
        m_rightPos = target;
    m_right->move(toPixels(m_rightPos, twipsPerPixelX()), 0);
    if (calcRange())
        Q_EMIT q_ptr->Changed(m_rangeLeft, m_rangeRight);
}

void SpanbarPrivate::raiseMouse(bool down, QMouseEvent *event, QPointF localPixels)
{
    qint16 button = 0;
    switch (event->button()) {
    case Qt::LeftButton: button = Spanbar::LeftButtonCode; break;
    case Qt::RightButton: button = Spanbar::RightButtonCode; break;
    case Qt::MiddleButton: button = Spanbar::MiddleButtonCode; break;
    default: break;
    }
    const qint16 shift = shiftCode(event->modifiers());
    const float x = float(localPixels.x() * twipsPerPixelX());
    const float y = float(localPixels.y() * twipsPerPixelY());
    if (down)
        Q_EMIT q_ptr->MouseDown(button, shift, x, y);
    else
        Q_EMIT q_ptr->MouseUp(button, shift, x, y);
}

void Spanbar::mousePressEvent(QMouseEvent *event)
{
    // Only presses on the surface around the track arrive here; the track
    // and the pointers keep theirs.
    event->accept();
    d->raiseMouse(true, event, event->position());
}

void Spanbar::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    d->raiseMouse(false, event, event->position());
}

bool Spanbar::handlesKey(const QKeyEvent &event)
{
    int delta = 0;
    return keyMove(event, &delta) != KeyMove::None;
}

int SpanbarPrivate::keyTarget(const QKeyEvent &event, bool *handled) const
{
    int delta = 0;
    const KeyMove move = keyMove(event, &delta);
    *handled = move != KeyMove::None;
    switch (move) {
    case KeyMove::ToStart: return 0;
    case KeyMove::ToEnd: return m_range;
    // From the value shown, so a pointer standing between two values moves
    // to the next whole one, not by a fraction.
    default: return int(m_rangeLeft) + delta;
    }
}

float SpanbarPrivate::positionOf(int value) const
{
    const float stop = m_rightPos - PointerWidth;
    constexpr double span = spanbar_math::usableSpan(TrackWidth);
    // With no range to spread over, only the two ends can be told apart.
    double position = 0.0;
    if (m_range > 0)
        position = double(value) / m_range * span;
    else if (value > 0)
        position = stop;
    return float(qBound(0.0, position, double(stop)));
}

void SpanbarPrivate::moveLeftTo(float position)
{
    m_leftPos = position;
    m_left->move(toPixels(m_leftPos, twipsPerPixelX()), 0);
    if (calcRange())
        Q_EMIT q_ptr->Changed(m_rangeLeft, m_rangeRight);
}

void SpanbarPrivate::beginKeyDrag(qint16 shift)
{
    if (m_keyDrag)
        return;
    m_keyDrag = true;
    Q_EMIT q_ptr->MouseDown(0, shift, 0.0f, 0.0f);
}

void SpanbarPrivate::endKeyDrag(qint16 shift)
{
    if (!m_keyDrag)
        return;
    m_keyDrag = false;
    Q_EMIT q_ptr->MouseUp(0, shift, 0.0f, 0.0f);
}

void Spanbar::setValueReading(ValueReading reading)
{
    d->m_valueReading = std::move(reading);
    // A screen reader holding the old text is told it changed.
    QAccessibleValueChangeEvent change(this, int(d->m_rangeLeft));
    QAccessible::updateAccessibility(&change);
}

QString Spanbar::valueReading(int value) const
{
    return d->m_valueReading ? d->m_valueReading(value) : QString::number(value);
}

void SpanbarPrivate::stepTo(int value)
{
    const bool wasDragging = m_keyDrag;
    beginKeyDrag(0);
    moveLeftTo(positionOf(value));
    if (!wasDragging)
        endKeyDrag(0);
}

void Spanbar::keyPressEvent(QKeyEvent *event)
{
    bool handled = false;
    const int target = d->keyTarget(*event, &handled);
    if (!handled) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    d->beginKeyDrag(shiftCode(event->modifiers()));
    d->moveLeftTo(d->positionOf(target));
}

void Spanbar::keyReleaseEvent(QKeyEvent *event)
{
    if (!handlesKey(*event)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    // A held key repeats as release and press pairs; the drag ends only when
    // the key really comes up.
    if (!event->isAutoRepeat())
        d->endKeyDrag(shiftCode(event->modifiers()));
}

void Spanbar::focusOutEvent(QFocusEvent *event)
{
    // A key still held when the focus leaves would otherwise leave the host
    // waiting for a release that never comes.
    d->endKeyDrag(0);
    QWidget::focusOutEvent(event);
}

bool Spanbar::event(QEvent *event)
{
    // The pixel layout follows the screen's resolution, which is only known
    // for sure once the control is on a screen.
    if (event->type() == QEvent::Show)
        d->layoutParts();
    return QWidget::event(event);
}

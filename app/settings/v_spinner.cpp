// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "v_spinner.h"

#include "settings/v_spinner_accessible.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWheelEvent>

namespace horavox {

namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 80;
} // namespace

VSpinner::VSpinner(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    installVSpinnerAccessibility();
    m_repeat.setSingleShot(false);
    connect(&m_repeat, &QTimer::timeout, this, &VSpinner::repeat);
}

void VSpinner::setArrowNames(const QString &up, const QString &down)
{
    m_upName = up;
    m_downName = down;
}

void VSpinner::setBottomValue(int v)
{
    m_bottom = v;
    m_top = std::max(m_top, m_bottom);
    m_value = std::clamp(m_value, m_bottom, m_top);
    update();
}

void VSpinner::setTopValue(int v)
{
    m_top = v;
    m_bottom = std::min(m_top, m_bottom);
    m_value = std::clamp(m_value, m_bottom, m_top);
    update();
}

void VSpinner::setValue(int v)
{
    v = std::clamp(v, m_bottom, m_top);
    if (v == m_value)
        return;
    m_value = v;
    update();
    Q_EMIT valueChanged(v);
}

void VSpinner::stepUp()
{
    setValue(m_value + 1 > m_top ? m_top : m_value + 1);
}

void VSpinner::stepDown()
{
    setValue(m_value - 1 < m_bottom ? m_bottom : m_value - 1);
}

VSpinner::Arrow VSpinner::arrowAt(const QPoint &p) const
{
    if (!rect().contains(p))
        return Arrow::None;
    return p.y() < height() / 2 ? Arrow::Up : Arrow::Down;
}

void VSpinner::step(Arrow a)
{
    if (a == Arrow::Up)
        stepUp();
    else if (a == Arrow::Down)
        stepDown();
}

void VSpinner::repeat()
{
    // Keep repeating only while the pointer stays on the arrow it pressed.
    if (m_pressed == Arrow::None || arrowAt(mapFromGlobal(QCursor::pos())) != m_pressed)
        return;
    m_repeat.setInterval(kRepeatMs);
    step(m_pressed);
}

void VSpinner::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    m_pressed = arrowAt(e->position().toPoint());
    update();
    m_repeat.start(kFirstRepeatMs);
    step(m_pressed);
}

void VSpinner::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    m_pressed = Arrow::None;
    m_repeat.stop();
    update();
}

void VSpinner::wheelEvent(QWheelEvent *e)
{
    const int dy = e->angleDelta().y();
    if (dy > 0)
        stepUp();
    else if (dy < 0)
        stepDown();
    e->accept();
}

void VSpinner::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange && !isEnabled()) {
        m_pressed = Arrow::None;
        m_repeat.stop();
    }
    QWidget::changeEvent(e);
}

void VSpinner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    const Arrow arrows[2] = {Arrow::Up, Arrow::Down};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[i];
        button.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        button.state |= m_pressed == arrows[i] ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &p, this);

        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        arrow.rect = halves[i].adjusted(3, 2, -3, -2);
        if (m_pressed == arrows[i])
            arrow.rect.translate(1, 1);
        style()->drawPrimitive(arrows[i] == Arrow::Up ? QStyle::PE_IndicatorArrowUp
                                                      : QStyle::PE_IndicatorArrowDown,
                               &arrow, &p, this);
    }
}

} // namespace horavox

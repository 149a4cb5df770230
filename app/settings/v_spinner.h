// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QTimer>
#include <QWidget>

namespace horavox {

// A small vertical two-arrow spinner. The upper arrow moves the value one step
// toward the top value, the lower arrow one step toward the bottom value; at
// a limit a further click changes nothing and emits nothing. Holding an arrow
// repeats, and the mouse wheel steps as well.
//
// To assistive technology it is a scroll bar with its value and range, named
// by its accessibleName, holding the two arrows as push buttons with press
// actions, named by setArrowNames().
class VSpinner : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int bottomValue READ bottomValue WRITE setBottomValue)
    Q_PROPERTY(int topValue READ topValue WRITE setTopValue)
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
public:
    explicit VSpinner(QWidget *parent = nullptr);

    int bottomValue() const { return m_bottom; }
    int topValue() const { return m_top; }
    int value() const { return m_value; }
    // Range changes keep the value inside the new range without notifying:
    // they only happen while the form is being built.
    void setBottomValue(int v);
    void setTopValue(int v);

    QSize sizeHint() const override { return {17, 19}; }

    // What assistive technology calls the two arrows ("Start hour up").
    void setArrowNames(const QString &up, const QString &down);
    QString upArrowName() const { return m_upName; }
    QString downArrowName() const { return m_downName; }

public Q_SLOTS:
    // Emits valueChanged when the value really changes; out-of-range values
    // are held at the nearer limit.
    void setValue(int v);
    void stepUp();
    void stepDown();

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    enum class Arrow { None, Up, Down };
    Arrow arrowAt(const QPoint &p) const;
    void step(Arrow a);
    void repeat();

    int m_bottom = 0;
    int m_top = 100;
    int m_value = 0;
    Arrow m_pressed = Arrow::None;
    QTimer m_repeat;
    QString m_upName = QStringLiteral("Up");
    QString m_downName = QStringLiteral("Down");
};

} // namespace horavox

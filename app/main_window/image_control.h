#pragma once
#include <QLabel>

namespace horavox {

// A picture on the skin that reports mouse presses and releases, the way the
// skin buttons need them: the release goes to the control that took the press,
// wherever the pointer is then.
class ImageControl : public QLabel
{
    Q_OBJECT
public:
    explicit ImageControl(QWidget *parent = nullptr);

Q_SIGNALS:
    void mouseDown(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};

// The alarm-mode indicator: its caption is "6" while alarm mode runs and
// empty otherwise; "6" is drawn as an hourglass in the label's text colour.
class IndicatorLabel : public QLabel
{
    Q_OBJECT
public:
    explicit IndicatorLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QImage m_glyph;
};

} // namespace horavox

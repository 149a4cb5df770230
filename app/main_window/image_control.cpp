#include "image_control.h"

#include "components/sheer_picture.h"
#include "resources/resources.h"

#include <QMouseEvent>
#include <QPainter>

namespace horavox {

ImageControl::ImageControl(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageControl::mousePressEvent(QMouseEvent *e)
{
    const QPointF pos = e->position() * 15.0;
    Q_EMIT mouseDown(legacyButton(e->button()), legacyShift(e->modifiers()), float(pos.x()), float(pos.y()));
}

void ImageControl::mouseReleaseEvent(QMouseEvent *e)
{
    const QPointF pos = e->position() * 15.0;
    Q_EMIT mouseUp(legacyButton(e->button()), legacyShift(e->modifiers()), float(pos.x()), float(pos.y()));
}

IndicatorLabel::IndicatorLabel(QWidget *parent)
    : QLabel(parent)
{
    m_glyph = decodePicture(resourceBytes(QStringLiteral("BITMAP"), QStringLiteral("HOURGLASS")))
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void IndicatorLabel::paintEvent(QPaintEvent *e)
{
    if (text() != QLatin1String("6") || m_glyph.isNull()) {
        // Without the artwork the symbol font's "6" is still shown as text.
        if (text() == QLatin1String("6"))
            QLabel::paintEvent(e);
        return;
    }
    // Tint the glyph with the label's text colour, keeping its alpha.
    QImage tinted = m_glyph;
    QPainter tp(&tinted);
    tp.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tp.fillRect(tinted.rect(), palette().color(QPalette::WindowText));
    tp.end();
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize s = tinted.size().scaled(size(), Qt::KeepAspectRatio);
    p.drawImage(QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s), tinted);
}

} // namespace horavox

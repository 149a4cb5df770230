// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "image_control.h"

#include "skin/sheer_picture.h"
#include "resources/resources.h"

#include <QMouseEvent>
#include <QStyle>
#include <algorithm>
#include <QPainter>

namespace horavox {

ImageControl::ImageControl(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageControl::enterEvent(QEnterEvent *e)
{
    QLabel::enterEvent(e);
    Q_EMIT pointerEntered();
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

ArtworkLabel::ArtworkLabel(QWidget *parent)
    : QLabel(parent)
{
}

void ArtworkLabel::addArtwork(const QString &text, const QString &bitmapName, bool fit)
{
    QImage glyph = decodePicture(resourceBytes(QStringLiteral("BITMAP"), bitmapName))
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_artwork.push_back({text, std::move(glyph), fit});
}

void ArtworkLabel::paintEvent(QPaintEvent *e)
{
    const QString shown = text();
    const auto art = std::find_if(m_artwork.cbegin(), m_artwork.cend(),
                                  [&shown](const Artwork &a) { return a.text == shown; });
    if (art == m_artwork.cend())
        return; // the caption shows nothing else
    if (art->glyph.isNull()) {
        // Without its artwork the text is still shown, in the label's font.
        QLabel::paintEvent(e);
        return;
    }
    // Tint the glyph with the label's text colour, keeping its alpha.
    QImage tinted = art->glyph;
    QPainter tp(&tinted);
    tp.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tp.fillRect(tinted.rect(), palette().color(QPalette::WindowText));
    tp.end();
    QPainter p(this);
    if (art->fit) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSize s = tinted.size().scaled(size(), Qt::KeepAspectRatio);
        p.drawImage(QRect(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s), tinted);
    } else {
        p.drawImage(QStyle::alignedRect(layoutDirection(), alignment(), tinted.size(), contentsRect()), tinted);
    }
}

IndicatorLabel::IndicatorLabel(QWidget *parent)
    : ArtworkLabel(parent)
{
    addArtwork(QStringLiteral("6"), QStringLiteral("HOURGLASS"), true);
}

DayHalfLabel::DayHalfLabel(QWidget *parent)
    : ArtworkLabel(parent)
{
    // As large as the label, with the text where the label would put it.
    addArtwork(QStringLiteral("AM"), QStringLiteral("AMTEXT"), false);
    addArtwork(QStringLiteral("PM"), QStringLiteral("PMTEXT"), false);
}

} // namespace horavox

// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QImage>
#include <QLabel>
#include <vector>

namespace horavox {

// A caption on the skin that draws the texts it has artwork for from that
// artwork, in the label's text colour, and no other text.
// The clock face then shows the time without the font system, which the
// first paint would otherwise wait for (reading the font configuration is
// the longest step of a start) and which would then stay in memory for a
// clock that draws no other text until a menu or window opens. The text
// itself is kept, so it is read out and tested as before.
class ArtworkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ArtworkLabel(QWidget *parent = nullptr);

protected:
    // `fit`: scaled to fill the label and centred; otherwise drawn at its
    // own size where the label's alignment puts text.
    void addArtwork(const QString &text, const QString &bitmapName, bool fit);
    void paintEvent(QPaintEvent *e) override;

private:
    struct Artwork
    {
        QString text;
        QImage glyph;
        bool fit;
    };
    std::vector<Artwork> m_artwork;
};

// The alarm-mode indicator: its caption is "6" while alarm mode runs and
// empty otherwise; "6" is drawn as an hourglass in the label's text colour.
class IndicatorLabel : public ArtworkLabel
{
    Q_OBJECT
public:
    explicit IndicatorLabel(QWidget *parent = nullptr);
};

// The half of the day beside the digits, "AM" or "PM".
class DayHalfLabel : public ArtworkLabel
{
    Q_OBJECT
public:
    explicit DayHalfLabel(QWidget *parent = nullptr);
};

} // namespace horavox

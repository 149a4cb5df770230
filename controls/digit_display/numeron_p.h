// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
// The digit display's state and the routines behind it, kept out of the
// installed header so that they can change without breaking programs built
// against the library. Exported only for the library's own tests,
// benchmark, fuzzer and Designer plugin; not installed.
#include "glyph_strip_p.h"
#include "numeron.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QVariant>

class QScreen;

class NUMERON_EXPORT NumeronPrivate
{
    Q_DECLARE_PUBLIC(Numeron)
public:
    // Name/value pairs in the order they are saved and loaded.
    using PropertyBag = QList<QPair<QString, QVariant>>;

    // The widest or highest face, in pixels, that 16-bit arithmetic holds.
    static constexpr int MaxFaceExtent = 32767;

    explicit NumeronPrivate(Numeron *owner);

    static NumeronPrivate *get(Numeron *n) { return n->d_func(); }
    static const NumeronPrivate *get(const Numeron *n) { return n->d_func(); }

    // Host hooks. initNewInstance() gives a freshly placed control its first
    // look ("543") without resizing it. readProperties() takes the values as
    // they are, without range rules or notifications, then sizes the face once;
    // it returns false when that overflows. writeProperties() leaves out every
    // value equal to its default.
    void initNewInstance();
    bool readProperties(const PropertyBag &bag);
    PropertyBag writeProperties() const;
    // One of the host's ambient properties changed: redraw the face and show it
    // at once. Palette and style changes arrive here by themselves.
    void ambientChanged();

    // Text to glyph string: digits, "-", ":", ".", "E", "r" and BlankGlyph.
    // Place counts below 1 count as 1; formats and justifications outside their
    // ranges count as dgGeneral and dgRight.
    static QString FormatDigits(const QString &text, int format, bool error, int justify, int placeHolders);
    // The face size in pixels for these settings (out-of-range values read as
    // the setters would correct them); *overflow tells whether it exceeds the
    // 16-bit pixel range, in which case the returned size is meaningless.
    static QSize faceSizeFor(int format, int placeHolders, int size, bool outLine, bool *overflow = nullptr);
    // Clears the face and copies the glyphs of the current text onto it.
    void DrawDigits();

    // The shared 16-colour glyph strip, drawn on first use.
    static const QImage &glyphStrip();
    // The face as last drawn (logical pixels, device pixel ratio 1).
    const QImage &face() const { return m_face; }

    // Twips (1/1440 inch) per logical pixel: 15 at 96 dots per inch. A null
    // screen means the primary screen, or 96 dpi when there is none.
    static double twipsPerPixel(qreal logicalDpi);
    static double twipsPerPixelX(const QScreen *screen = nullptr);
    static double twipsPerPixelY(const QScreen *screen = nullptr);
    // The widget's size in twips on the screen it is on.
    QSize sizeInTwips() const;

private:
    struct Layout
    {
        int format;
        int placeHolders;
        int size;
        bool outLine;
    };
    Layout layout() const { return {m_format, m_placeHolders, m_size, m_outLine}; }
    bool acceptLayout(const Layout &candidate);
    bool applySizeRule();
    // Tells the host which property was set, after its own signal if any.
    void notify(const char *name);
    void reportOverflow();
    // Sends NameChanged when what assistive technology reads has changed.
    void announceReading();

    Numeron *const q_ptr;

    QString m_display;
    int m_format = Numeron::dgGeneral;
    bool m_error = false;
    int m_color = Numeron::dgRed;
    int m_justify = Numeron::dgRight;
    bool m_outLine = true;
    qint16 m_placeHolders = 4;
    int m_size = Numeron::dgSmall;

    QImage m_face;
    QString m_lastError;
    QString m_accessibleText;
    QString m_announcedReading;
};

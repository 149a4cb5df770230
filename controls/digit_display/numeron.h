// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
#include "numeron_export.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QWidget>

class QScreen;

// A row of seven-segment LED digits. The text assigned through DigitDisplay
// is filtered by the format, padded or cut to a fixed number of cells, and
// painted by copying one cell per glyph out of a glyph strip that is drawn
// once per process. The widget keeps a fixed size that fits the face exactly.
//
// Every setter stores, announces the change (the per-property signal and
// propertyChanged) and redraws, even when the value is the one already held:
// a host that assigns the same text twice sees two notifications and two
// redraws. Enumerated setters take int so that a host can pass any number;
// values out of range are replaced as documented beside each setter.
//
// Accessibility: creating the first instance installs a QAccessible factory,
// so assistive technology sees the control as static text (a label) whose
// name is the text as a person reads it off the face: displayedText(), such
// as "9:05:10", "15.0" or "Err". A host that knows more than the digits show
// gives its own reading in DigitAccessibleText ("9:05:10 AM", "15 minutes");
// a widget accessibleName, as always in Qt, comes before both. Whenever that
// name changes, a QAccessible::NameChanged event is sent, so a screen reader
// never reads a stale time.
//
// Overflow: the face is measured in 16-bit signed pixels. A change that would
// make it wider than 32767 pixels is refused: the old value stays, nothing is
// notified or redrawn, errorOccurred() is emitted and lastError() tells why.
class NUMERON_EXPORT Numeron : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(FormatConstants DigitFormat READ DigitFormat WRITE setDigitFormat NOTIFY DigitFormatChanged)
    Q_PROPERTY(bool DigitError READ DigitError WRITE setDigitError NOTIFY DigitErrorChanged)
    Q_PROPERTY(ColorConstants DigitColor READ DigitColor WRITE setDigitColor NOTIFY DigitColorChanged)
    Q_PROPERTY(JustifyConstants DigitJustify READ DigitJustify WRITE setDigitJustify NOTIFY DigitJustifyChanged)
    Q_PROPERTY(bool DigitOutLine READ DigitOutLine WRITE setDigitOutLine NOTIFY DigitOutLineChanged)
    Q_PROPERTY(int DigitPlaceHolders READ DigitPlaceHolders WRITE setDigitPlaceHolders NOTIFY DigitPlaceHoldersChanged)
    Q_PROPERTY(SizeConstants DigitSize READ DigitSize WRITE setDigitSize NOTIFY DigitSizeChanged)
    Q_PROPERTY(QString DigitDisplay READ DigitDisplay WRITE setDigitDisplay NOTIFY DigitDisplayChanged)
    Q_PROPERTY(QString DigitAccessibleText READ DigitAccessibleText WRITE setDigitAccessibleText STORED false)

public:
    // The underlying type is fixed so that any stored number is a valid value
    // of the enumeration, including the out-of-range ones a host may load.
    enum JustifyConstants : int { dgLeft = 0, dgRight = 1 };
    Q_ENUM(JustifyConstants)
    enum FormatConstants : int { dgGeneral = 0, dgShortTime = 1, dgLongTime = 2, dgDecimal = 3 };
    Q_ENUM(FormatConstants)
    enum SizeConstants : int { dgSmall = 0, dgLarge = 1 };
    Q_ENUM(SizeConstants)
    enum ColorConstants : int { dgBlue = 0, dgGreen = 1, dgRed = 2 };
    Q_ENUM(ColorConstants)

    // The unlit digit cell inside a glyph string.
    static constexpr QChar BlankGlyph = QChar(1);

    // Geometry of the glyph strip.
    static constexpr int StripWidth = 262;
    static constexpr int StripHeight = 144;
    static constexpr int SmallCellWidth = 13;
    static constexpr int SmallCellHeight = 21;
    static constexpr int LargeCellWidth = 18;
    static constexpr int LargeCellHeight = 27;
    static constexpr int SeparatorWidth = 5;
    static constexpr int MaxFaceExtent = 32767;

    // Name/value pairs in the order they are saved and loaded.
    using PropertyBag = QList<QPair<QString, QVariant>>;

    // A widget made this way (as uic and most hosts make it) holds the stored
    // defaults, as if loaded from an empty property bag: "1234", red, small,
    // four places, outlined, right-justified, general format.
    explicit Numeron(QWidget *parent = nullptr);
    ~Numeron() override;

    FormatConstants DigitFormat() const { return static_cast<FormatConstants>(m_format); }
    bool DigitError() const { return m_error; }
    ColorConstants DigitColor() const { return static_cast<ColorConstants>(m_color); }
    JustifyConstants DigitJustify() const { return static_cast<JustifyConstants>(m_justify); }
    bool DigitOutLine() const { return m_outLine; }
    int DigitPlaceHolders() const { return m_placeHolders; }
    SizeConstants DigitSize() const { return static_cast<SizeConstants>(m_size); }
    // The text as assigned, unfiltered.
    QString DigitDisplay() const { return m_display; }

    // Outside 0..3 becomes dgGeneral.
    void setDigitFormat(int format);
    void setDigitError(bool error);
    // Outside 0..2 becomes dgGreen.
    void setDigitColor(int color);
    // Outside 0..1 becomes dgRight.
    void setDigitJustify(int justify);
    void setDigitOutLine(bool outLine);
    // Below 1 becomes 1; above 32767 cannot be held and is an overflow.
    void setDigitPlaceHolders(int placeHolders);
    // Outside 0..1 becomes dgLarge.
    void setDigitSize(int size);
    void setDigitDisplay(const QString &text);

    // What assistive technology reads instead of displayedText(); empty to
    // read the face itself. Not saved with the other properties: it follows
    // the displayed text, which the host sets anew each run.
    QString DigitAccessibleText() const { return m_accessibleText; }
    void setDigitAccessibleText(const QString &text);
    // The glyphs now on the face as characters, the unlit cells left out:
    // " 9:05:10" shows as "9:05:10"; a face of unlit cells and separators
    // only (a time that could not be read) gives the empty text, and the
    // error figure "Err" in every format.
    QString displayedText() const;

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

    // Why the last refused change or failed sizing failed; empty again once the
    // face has been sized successfully.
    QString lastError() const { return m_lastError; }

    // Twips (1/1440 inch) per logical pixel: 15 at 96 dots per inch. A null
    // screen means the primary screen, or 96 dpi when there is none.
    static double twipsPerPixel(qreal logicalDpi);
    static double twipsPerPixelX(const QScreen *screen = nullptr);
    static double twipsPerPixelY(const QScreen *screen = nullptr);
    // The widget's size in twips on the screen it is on.
    QSize sizeInTwips() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void DigitFormatChanged(Numeron::FormatConstants format);
    void DigitErrorChanged(bool error);
    void DigitColorChanged(Numeron::ColorConstants color);
    void DigitJustifyChanged(Numeron::JustifyConstants justify);
    void DigitOutLineChanged(bool outLine);
    void DigitPlaceHoldersChanged(int placeHolders);
    void DigitSizeChanged(Numeron::SizeConstants size);
    void DigitDisplayChanged(const QString &text);
    // Emitted after each of the above with the property's name.
    void propertyChanged(const QString &name);
    // A change was refused or a load could not size the face.
    void errorOccurred(const QString &message);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

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
    // Tells the host which property changed, after its own signal.
    void notify(const char *name);
    void reportOverflow();
    // Sends NameChanged when what assistive technology reads has changed.
    void announceReading();

    QString m_display;
    int m_format = dgGeneral;
    bool m_error = false;
    int m_color = dgRed;
    int m_justify = dgRight;
    bool m_outLine = true;
    qint16 m_placeHolders = 4;
    int m_size = dgSmall;

    QImage m_face;
    QString m_lastError;
    QString m_accessibleText;
    QString m_announcedReading;
};

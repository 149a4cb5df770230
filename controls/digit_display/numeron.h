// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
#include "numeron_export.h"

#include <QString>
#include <QWidget>

#include <memory>

class NumeronPrivate;

/**
 * A row of seven-segment LED digits, in the manner of a bedside clock.
 *
 * The text assigned through DigitDisplay is filtered by DigitFormat, padded
 * or cut to a fixed number of digit cells and painted glyph by glyph from a
 * pre-drawn glyph strip. The widget keeps a fixed size, in pixels, that fits
 * the face exactly; it changes whenever the format, the place count, the
 * glyph size or the outline changes.
 *
 * @code
 * Numeron *clock = new Numeron(this);
 * clock->setDigitFormat(Numeron::dgLongTime);
 * clock->setDigitColor(Numeron::dgGreen);
 * clock->setDigitDisplay(QStringLiteral("9:05:10"));
 * @endcode
 *
 * Notifications. Every property has a NOTIFY signal that is emitted only
 * when the stored value really changes, as in any Qt widget. Beside it, each
 * set of one of the eight Digit properties tells the host which property was
 * set through propertyChanged(), even when the value is the one already
 * held, and redraws the face: a host that assigns the same text twice sees
 * two propertyChanged() and two redraws, but one DigitDisplayChanged().
 *
 * Ranges. The int setters take any number, so that a host can pass on what
 * it was given; values out of range are replaced as documented beside each
 * setter. The enum-typed overloads do the same for a cast enum value.
 *
 * Overflow. The face is measured in 16-bit signed pixels. A change that
 * would make it wider than 32767 pixels (more than 2520 small or 1820 large
 * cells) is refused: the old value stays, nothing is notified or redrawn,
 * errorOccurred() is emitted and lastError() tells why.
 *
 * Accessibility. Assistive technology sees the control as static text whose
 * name is the text as a person reads it off the face (displayedText()), or
 * the host's own reading in DigitAccessibleText; an accessibleName comes
 * before both. A QAccessible::NameChanged event is sent whenever that name
 * changes, so a screen reader never reads a stale time.
 */
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
    Q_PROPERTY(QString DigitDisplay READ DigitDisplay WRITE setDigitDisplay NOTIFY DigitDisplayChanged USER true)
    Q_PROPERTY(QString DigitAccessibleText READ DigitAccessibleText WRITE setDigitAccessibleText
                   NOTIFY DigitAccessibleTextChanged STORED false)

public:
    // The underlying types are fixed so that any stored number is a valid
    // value of its enumeration, including the out-of-range ones a host loads.

    /// On which side the filler blanks go in the general and decimal formats.
    enum JustifyConstants : int { dgLeft = 0, dgRight = 1 };
    Q_ENUM(JustifyConstants)
    /**
     * How the text is read. dgGeneral: digits and a leading "-" in
     * DigitPlaceHolders cells. dgShortTime: "hh:mm" in four cells and a
     * colon. dgLongTime: "hh:mm:ss" in six cells and two colons. dgDecimal:
     * like dgGeneral with one decimal point (".0" is added when there is none).
     */
    enum FormatConstants : int { dgGeneral = 0, dgShortTime = 1, dgLongTime = 2, dgDecimal = 3 };
    Q_ENUM(FormatConstants)
    /// Glyph cells of 13 x 21 pixels (dgSmall) or 18 x 27 pixels (dgLarge).
    enum SizeConstants : int { dgSmall = 0, dgLarge = 1 };
    Q_ENUM(SizeConstants)
    /// Colour of the segments: cyan, green or red on black.
    enum ColorConstants : int { dgBlue = 0, dgGreen = 1, dgRed = 2 };
    Q_ENUM(ColorConstants)

    /**
     * A widget made this way (as uic and most hosts make it) holds the stored
     * defaults: the text "1234", dgGeneral, dgRed, dgSmall, dgRight, four
     * places, outlined, no error; 54 x 23 pixels.
     */
    explicit Numeron(QWidget *parent = nullptr);
    ~Numeron() override;

    /// How the text is read; default dgGeneral.
    FormatConstants DigitFormat() const;
    /// Whether the error figure ("Err") is shown instead of the text; default false.
    bool DigitError() const;
    /// Colour of the segments; default dgRed.
    ColorConstants DigitColor() const;
    /// Side of the filler blanks; default dgRight (numbers stand on the right).
    JustifyConstants DigitJustify() const;
    /// Whether a one-pixel sunken edge is drawn around the face (two pixels
    /// wider and higher); default true.
    bool DigitOutLine() const;
    /// Digit cells in the general and decimal formats, 1 or more; default 4.
    int DigitPlaceHolders() const;
    /// Glyph size; default dgSmall.
    SizeConstants DigitSize() const;
    /// The text as last assigned, unfiltered; default "1234".
    QString DigitDisplay() const;

    /// Sets the format; a value outside 0..3 becomes dgGeneral. Resizes.
    void setDigitFormat(int format);
    void setDigitFormat(FormatConstants format);
    /// Shows the error figure instead of the text, or the text again.
    void setDigitError(bool error);
    /// Sets the colour; a value outside 0..2 becomes dgGreen. Sizes the
    /// face anew although the size does not change.
    void setDigitColor(int color);
    void setDigitColor(ColorConstants color);
    /// Sets the side of the filler blanks; a value outside 0..1 becomes dgRight.
    void setDigitJustify(int justify);
    void setDigitJustify(JustifyConstants justify);
    /// Draws or drops the sunken edge. Resizes.
    void setDigitOutLine(bool outLine);
    /// Sets the digit cells; below 1 becomes 1, above 32767 cannot be held
    /// and is an overflow. Resizes.
    void setDigitPlaceHolders(int placeHolders);
    /// Sets the glyph size; a value outside 0..1 becomes dgLarge. Resizes.
    void setDigitSize(int size);
    void setDigitSize(SizeConstants size);

    /**
     * What assistive technology reads instead of displayedText(), such as
     * "9:05:10 AM" or "15 minutes"; empty (the default) to read the face
     * itself. Not saved with the other properties: it follows the displayed
     * text, which the host sets anew each run.
     */
    QString DigitAccessibleText() const;
    void setDigitAccessibleText(const QString &text);

    /**
     * The glyphs now on the face as characters, the unlit cells left out:
     * " 9:05:10" reads "9:05:10". A face of unlit cells and separators only
     * (a time that could not be read) gives the empty text, and the error
     * figure reads "Err" in every format.
     */
    QString displayedText() const;

    /// Why the last refused change or failed sizing failed; empty again once
    /// the face has been sized successfully.
    QString lastError() const;

    /// The face's size in pixels.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Assigns the text to show; see DigitFormat for how it is read. Every
    /// call redraws and calls propertyChanged(), DigitDisplayChanged() only
    /// when the text differs.
    void setDigitDisplay(const QString &text);
    /// Shows a whole number, as setDigitDisplay(QString::number(value)):
    /// the slot to connect a slider's or spin box's valueChanged(int) to.
    void display(int value);

Q_SIGNALS:
    /// NOTIFY signals of the properties, with the value now held (after
    /// correction); emitted only when it differs from the one before.
    void DigitFormatChanged(Numeron::FormatConstants format);
    void DigitErrorChanged(bool error);
    void DigitColorChanged(Numeron::ColorConstants color);
    void DigitJustifyChanged(Numeron::JustifyConstants justify);
    void DigitOutLineChanged(bool outLine);
    void DigitPlaceHoldersChanged(int placeHolders);
    void DigitSizeChanged(Numeron::SizeConstants size);
    void DigitDisplayChanged(const QString &text);
    void DigitAccessibleTextChanged(const QString &text);
    /// Emitted after every set of one of the eight Digit properties, changed
    /// or not, with the property's name ("DigitDisplay"), so that a form
    /// designer can mark its document as modified.
    void propertyChanged(const QString &name);
    /// A change was refused or a load could not size the face; the message
    /// is lastError().
    void errorOccurred(const QString &message);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    const std::unique_ptr<NumeronPrivate> d;
    Q_DECLARE_PRIVATE_D(d, Numeron)
    Q_DISABLE_COPY_MOVE(Numeron)
};

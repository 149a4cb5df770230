// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "numeron_p.h"

#include "numeron_accessible.h"

#include <QAccessible>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace {

using numeron_strip::BlankGlyph;
using numeron_strip::LargeCellHeight;
using numeron_strip::LargeCellWidth;
using numeron_strip::SeparatorWidth;
using numeron_strip::SmallCellHeight;
using numeron_strip::SmallCellWidth;

constexpr auto kDefaultDisplay = "1234";
constexpr int kDefaultPlaceHolders = 4;
constexpr int kDefaultSize = Numeron::dgSmall;
constexpr int kDefaultColor = Numeron::dgRed;
constexpr bool kDefaultOutLine = true;
constexpr int kDefaultJustify = Numeron::dgRight;
constexpr int kDefaultFormat = Numeron::dgGeneral;
constexpr bool kDefaultError = false;

// What stored numbers mean when they lie outside their ranges: the same as the
// setters would have made of them, so a loaded control draws like a set one.
int effectiveFormat(int format)
{
    return format >= Numeron::dgGeneral && format <= Numeron::dgDecimal ? format : int(Numeron::dgGeneral);
}
int effectiveColor(int color)
{
    return color >= Numeron::dgBlue && color <= Numeron::dgRed ? color : int(Numeron::dgGreen);
}
bool isLarge(int size)
{
    return size != Numeron::dgSmall;
}
int effectivePlaceHolders(int placeHolders)
{
    return std::max(placeHolders, 1);
}

// Only blanks are trimmed; tabs and other spacing stay and are dropped later
// as unknown characters.
QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString glyphString(std::initializer_list<QChar> glyphs)
{
    return QString(glyphs.begin(), qsizetype(glyphs.size()));
}

// The glyph strip converted once to the face's pixel format, so that a glyph
// copy is a plain row copy.
const QImage &blitStrip()
{
    static const QImage strip = NumeronPrivate::glyphStrip().convertToFormat(QImage::Format_RGB32);
    return strip;
}

// The sunken edge in two passes, right and bottom first, then left and top
// drawn over them, so the two corners they share take the left and top
// colours. The inner ring stays inside the outer one.
void drawSunkenEdge(QPainter &p, const QRect &r, const QPalette &pal)
{
    const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(rt, t, rt, b);
    p.drawLine(l, b, rt, b);
    p.setPen(pal.color(QPalette::Midlight));
    p.drawLine(rt - 1, t + 1, rt - 1, b - 1);
    p.drawLine(l + 1, b - 1, rt - 1, b - 1);
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(l, t, l, b);
    p.drawLine(l, t, rt, t);
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(l + 1, t + 1, l + 1, b - 1);
    p.drawLine(l + 1, t + 1, rt - 1, t + 1);
}

const QVariant *findValue(const NumeronPrivate::PropertyBag &bag, const QString &name)
{
    for (const auto &entry : bag) {
        if (entry.first == name)
            return &entry.second;
    }
    return nullptr;
}

QString readText(const NumeronPrivate::PropertyBag &bag, const char *name, const QString &fallback)
{
    const QVariant *v = findValue(bag, QLatin1String(name));
    return v && v->canConvert<QString>() ? v->toString() : fallback;
}

qint64 readNumber(const NumeronPrivate::PropertyBag &bag, const char *name, qint64 fallback)
{
    const QVariant *v = findValue(bag, QLatin1String(name));
    if (!v)
        return fallback;
    bool ok = false;
    const qint64 n = v->toLongLong(&ok);
    return ok ? n : fallback;
}

int readInt32(const NumeronPrivate::PropertyBag &bag, const char *name, int fallback)
{
    return int(std::clamp<qint64>(readNumber(bag, name, fallback), std::numeric_limits<qint32>::min(),
                                  std::numeric_limits<qint32>::max()));
}

bool readBool(const NumeronPrivate::PropertyBag &bag, const char *name, bool fallback)
{
    const QVariant *v = findValue(bag, QLatin1String(name));
    return v && v->canConvert<bool>() ? v->toBool() : fallback;
}

} // namespace

Numeron::Numeron(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<NumeronPrivate>(this))
{
    // First: Qt keeps the first interface it makes for a widget, and the
    // first drawing below announces the reading.
    numeron_accessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    d->applySizeRule();
}

Numeron::~Numeron() = default;

NumeronPrivate::NumeronPrivate(Numeron *owner)
    : q_ptr(owner)
    , m_display(QString::fromLatin1(kDefaultDisplay))
{
}

Numeron::FormatConstants Numeron::DigitFormat() const
{
    return static_cast<FormatConstants>(d->m_format);
}

bool Numeron::DigitError() const
{
    return d->m_error;
}

Numeron::ColorConstants Numeron::DigitColor() const
{
    return static_cast<ColorConstants>(d->m_color);
}

Numeron::JustifyConstants Numeron::DigitJustify() const
{
    return static_cast<JustifyConstants>(d->m_justify);
}

bool Numeron::DigitOutLine() const
{
    return d->m_outLine;
}

int Numeron::DigitPlaceHolders() const
{
    return d->m_placeHolders;
}

Numeron::SizeConstants Numeron::DigitSize() const
{
    return static_cast<SizeConstants>(d->m_size);
}

QString Numeron::DigitDisplay() const
{
    return d->m_display;
}

QString Numeron::DigitAccessibleText() const
{
    return d->m_accessibleText;
}

QString Numeron::lastError() const
{
    return d->m_lastError;
}

// Each setter stores and redraws even when nothing changes, since the host's
// notification is owed for every set; only the Qt change signal waits for a
// real change.

void Numeron::setDigitFormat(int format)
{
    if (format < dgGeneral || format > dgDecimal)
        format = dgGeneral;
    NumeronPrivate::Layout next = d->layout();
    next.format = format;
    if (!d->acceptLayout(next))
        return;
    const bool changed = d->m_format != format;
    d->m_format = format;
    if (changed)
        Q_EMIT DigitFormatChanged(DigitFormat());
    d->notify("DigitFormat");
    d->applySizeRule();
}

void Numeron::setDigitFormat(FormatConstants format)
{
    setDigitFormat(int(format));
}

void Numeron::setDigitError(bool error)
{
    const bool changed = d->m_error != error;
    d->m_error = error;
    if (changed)
        Q_EMIT DigitErrorChanged(error);
    d->notify("DigitError");
    d->DrawDigits();
}

void Numeron::setDigitColor(int color)
{
    if (color < dgBlue || color > dgRed)
        color = dgGreen;
    if (!d->acceptLayout(d->layout()))
        return;
    const bool changed = d->m_color != color;
    d->m_color = color;
    if (changed)
        Q_EMIT DigitColorChanged(DigitColor());
    d->notify("DigitColor");
    d->applySizeRule();
}

void Numeron::setDigitColor(ColorConstants color)
{
    setDigitColor(int(color));
}

void Numeron::setDigitJustify(int justify)
{
    if (justify < dgLeft || justify > dgRight)
        justify = dgRight;
    const bool changed = d->m_justify != justify;
    d->m_justify = justify;
    if (changed)
        Q_EMIT DigitJustifyChanged(DigitJustify());
    d->notify("DigitJustify");
    d->DrawDigits();
}

void Numeron::setDigitJustify(JustifyConstants justify)
{
    setDigitJustify(int(justify));
}

void Numeron::setDigitOutLine(bool outLine)
{
    NumeronPrivate::Layout next = d->layout();
    next.outLine = outLine;
    if (!d->acceptLayout(next))
        return;
    const bool changed = d->m_outLine != outLine;
    d->m_outLine = outLine;
    if (changed)
        Q_EMIT DigitOutLineChanged(outLine);
    d->notify("DigitOutLine");
    d->applySizeRule();
}

void Numeron::setDigitPlaceHolders(int placeHolders)
{
    placeHolders = std::max(placeHolders, 1);
    if (placeHolders > std::numeric_limits<qint16>::max()) {
        // Not representable as a place count at all; treated like any other
        // face that cannot be measured.
        d->reportOverflow();
        return;
    }
    NumeronPrivate::Layout next = d->layout();
    next.placeHolders = placeHolders;
    if (!d->acceptLayout(next))
        return;
    const bool changed = d->m_placeHolders != placeHolders;
    d->m_placeHolders = qint16(placeHolders);
    if (changed)
        Q_EMIT DigitPlaceHoldersChanged(placeHolders);
    d->notify("DigitPlaceHolders");
    d->applySizeRule();
}

void Numeron::setDigitSize(int size)
{
    if (size < dgSmall || size > dgLarge)
        size = dgLarge;
    NumeronPrivate::Layout next = d->layout();
    next.size = size;
    if (!d->acceptLayout(next))
        return;
    const bool changed = d->m_size != size;
    d->m_size = size;
    if (changed)
        Q_EMIT DigitSizeChanged(DigitSize());
    d->notify("DigitSize");
    d->applySizeRule();
}

void Numeron::setDigitSize(SizeConstants size)
{
    setDigitSize(int(size));
}

void Numeron::setDigitDisplay(const QString &text)
{
    const bool changed = d->m_display != text;
    d->m_display = text;
    if (changed)
        Q_EMIT DigitDisplayChanged(text);
    d->notify("DigitDisplay");
    d->DrawDigits();
}

void Numeron::display(int value)
{
    setDigitDisplay(QString::number(value));
}

void Numeron::setDigitAccessibleText(const QString &text)
{
    if (d->m_accessibleText == text)
        return;
    d->m_accessibleText = text;
    Q_EMIT DigitAccessibleTextChanged(text);
    d->announceReading();
}

QString Numeron::displayedText() const
{
    // The error figure reads as the word it spells, whatever separators the
    // time formats put around it.
    if (d->m_error)
        return QStringLiteral("Err");
    QString shown = NumeronPrivate::FormatDigits(d->m_display, d->m_format, d->m_error, d->m_justify,
                                                 d->m_placeHolders);
    shown.remove(BlankGlyph);
    const bool readable = std::any_of(shown.cbegin(), shown.cend(), [](QChar c) { return c != u':' && c != u'.'; });
    return readable ? shown : QString();
}

void NumeronPrivate::announceReading()
{
    const QString reading = numeron_accessible::reading(q_ptr);
    if (reading == m_announcedReading)
        return;
    m_announcedReading = reading;
    QAccessibleEvent changed(q_ptr, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void NumeronPrivate::initNewInstance()
{
    m_size = Numeron::dgSmall;
    m_color = Numeron::dgRed;
    m_outLine = true;
    m_placeHolders = 4;
    m_display = QStringLiteral("543");
    m_justify = Numeron::dgRight;
    m_format = Numeron::dgGeneral;
    m_error = false;
    DrawDigits();
}

bool NumeronPrivate::readProperties(const PropertyBag &bag)
{
    m_display = readText(bag, "DigitDisplay", QString::fromLatin1(kDefaultDisplay));
    m_placeHolders = qint16(std::clamp<qint64>(readNumber(bag, "DigitPlaceHolders", kDefaultPlaceHolders),
                                               std::numeric_limits<qint16>::min(),
                                               std::numeric_limits<qint16>::max()));
    m_size = readInt32(bag, "DigitSize", kDefaultSize);
    m_color = readInt32(bag, "DigitColor", kDefaultColor);
    m_outLine = readBool(bag, "DigitOutLine", kDefaultOutLine);
    m_justify = readInt32(bag, "DigitJustify", kDefaultJustify);
    m_format = readInt32(bag, "DigitFormat", kDefaultFormat);
    m_error = readBool(bag, "DigitError", kDefaultError);
    return applySizeRule();
}

NumeronPrivate::PropertyBag NumeronPrivate::writeProperties() const
{
    PropertyBag bag;
    if (m_display != QLatin1String(kDefaultDisplay))
        bag.append({QStringLiteral("DigitDisplay"), m_display});
    if (m_placeHolders != kDefaultPlaceHolders)
        bag.append({QStringLiteral("DigitPlaceHolders"), QVariant::fromValue<qint16>(m_placeHolders)});
    if (m_size != kDefaultSize)
        bag.append({QStringLiteral("DigitSize"), m_size});
    if (m_color != kDefaultColor)
        bag.append({QStringLiteral("DigitColor"), m_color});
    if (m_outLine != kDefaultOutLine)
        bag.append({QStringLiteral("DigitOutLine"), m_outLine});
    if (m_justify != kDefaultJustify)
        bag.append({QStringLiteral("DigitJustify"), m_justify});
    if (m_format != kDefaultFormat)
        bag.append({QStringLiteral("DigitFormat"), m_format});
    if (m_error != kDefaultError)
        bag.append({QStringLiteral("DigitError"), m_error});
    return bag;
}

void NumeronPrivate::ambientChanged()
{
    DrawDigits();
    q_ptr->repaint();
}

QString NumeronPrivate::FormatDigits(const QString &text, int format, bool error, int justify, int placeHolders)
{
    using N = Numeron;
    format = effectiveFormat(format);
    placeHolders = effectivePlaceHolders(placeHolders);
    const bool timeFormat = format == N::dgShortTime || format == N::dgLongTime;
    const QString trimmed = trimBlanks(text);

    QString g;
    g.reserve(trimmed.size() + 2);
    int separators = 0;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c >= u'0' && c <= u'9') {
            g += c;
        } else if (c == u':' && timeFormat) {
            ++separators;
            if (separators == 1 || (separators == 2 && format == N::dgLongTime))
                g += c;
        } else if (c == u'.' && format == N::dgDecimal) {
            ++separators;
            if (separators == 1)
                g += c;
        } else if (c == u'-' && i == 0 && !timeFormat) {
            g += c;
        }
    }

    const QChar blank = BlankGlyph;
    if (format == N::dgShortTime) {
        if (error)
            return glyphString({blank, u'E', u':', u'r', u'r'});
        if (g.size() == 4)
            g.prepend(blank);
        if (g.size() == 5 && g.indexOf(u':') == 2)
            return g;
        return glyphString({blank, blank, u':', blank, blank});
    }
    if (format == N::dgLongTime) {
        if (error)
            return glyphString({blank, blank, u':', blank, u'E', u':', u'r', u'r'});
        if (g.size() == 7)
            g.prepend(blank);
        if (g.size() == 8 && (g.at(2) == u':' || g.at(4) == u':'))
            return g;
        return glyphString({blank, blank, u':', blank, blank, u':', blank, blank});
    }

    if (error)
        g = format == N::dgDecimal ? QStringLiteral("Err.") : QStringLiteral("Err");
    const int pointCells = format == N::dgDecimal ? 1 : 0;
    if (format == N::dgDecimal && !g.contains(u'.'))
        g += QStringLiteral(".0");
    const qsizetype cells = g.size() - pointCells;
    if (cells < placeHolders) {
        const QString filler(placeHolders - cells, blank);
        g = justify == N::dgLeft ? g + filler : filler + g;
    } else if (cells > placeHolders) {
        g = g.right(placeHolders + pointCells);
    }
    return g;
}

QSize NumeronPrivate::faceSizeFor(int format, int placeHolders, int size, bool outLine, bool *overflow)
{
    int cells = effectivePlaceHolders(placeHolders);
    int extra = 0;
    switch (effectiveFormat(format)) {
    case Numeron::dgShortTime:
        cells = 4;
        extra = SeparatorWidth;
        break;
    case Numeron::dgLongTime:
        cells = 6;
        extra = 2 * SeparatorWidth;
        break;
    case Numeron::dgDecimal:
        extra = SeparatorWidth;
        break;
    default:
        break;
    }
    const int border = outLine ? 2 : 0;
    const bool large = isLarge(size);
    const qint64 width = qint64(cells) * (large ? LargeCellWidth : SmallCellWidth) + border + extra;
    const qint64 height = (large ? LargeCellHeight : SmallCellHeight) + border;
    const bool tooWide = width > MaxFaceExtent || height > MaxFaceExtent;
    if (overflow)
        *overflow = tooWide;
    return tooWide ? QSize() : QSize(int(width), int(height));
}

void NumeronPrivate::DrawDigits()
{
    Q_Q(Numeron);
    const QSize area = q->size();
    if (area.isEmpty()) {
        m_face = QImage();
        q->update();
        return;
    }
    if (m_face.size() != area)
        m_face = QImage(area, QImage::Format_RGB32);

    QPainter p(&m_face);
    p.fillRect(m_face.rect(), q->palette().color(QPalette::Button));
    int origin = 0;
    if (m_outLine) {
        drawSunkenEdge(p, m_face.rect(), q->palette());
        origin = 1;
    }

    const bool large = isLarge(m_size);
    const int top = numeron_strip::bandTop(large, effectiveColor(m_color));
    const QString glyphs = FormatDigits(m_display, m_format, m_error, m_justify, m_placeHolders);
    const QImage &strip = blitStrip();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    int x = origin;
    for (const QChar glyph : glyphs) {
        if (x >= area.width())
            break; // the rest would be clipped away anyway
        const QRect cell = numeron_strip::cellOf(glyph, large).translated(0, top);
        p.drawImage(QPoint(x, origin), strip, cell);
        x += cell.width();
    }
    p.end();
    q->update();
    announceReading();
}

const QImage &NumeronPrivate::glyphStrip()
{
    static const QImage strip = numeron_strip::draw();
    return strip;
}

double NumeronPrivate::twipsPerPixel(qreal logicalDpi)
{
    return logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0;
}

double NumeronPrivate::twipsPerPixelX(const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

double NumeronPrivate::twipsPerPixelY(const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
}

QSize NumeronPrivate::sizeInTwips() const
{
    const QScreen *s = q_ptr->screen();
    return QSize(qRound(q_ptr->width() * twipsPerPixelX(s)), qRound(q_ptr->height() * twipsPerPixelY(s)));
}

QSize Numeron::sizeHint() const
{
    bool overflow = false;
    const QSize face = NumeronPrivate::faceSizeFor(d->m_format, d->m_placeHolders, d->m_size, d->m_outLine, &overflow);
    return overflow ? QWidget::sizeHint() : face;
}

QSize Numeron::minimumSizeHint() const
{
    return sizeHint();
}

void Numeron::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (d->m_face.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    // The face is kept at one image pixel per logical pixel; on a scaled
    // screen it is enlarged without smoothing so the segments stay sharp.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(QPoint(0, 0), d->m_face.size()), d->m_face);
}

void Numeron::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    d->applySizeRule();
}

void Numeron::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        d->ambientChanged();
}

bool NumeronPrivate::acceptLayout(const Layout &candidate)
{
    bool overflow = false;
    faceSizeFor(candidate.format, candidate.placeHolders, candidate.size, candidate.outLine, &overflow);
    if (overflow)
        reportOverflow();
    return !overflow;
}

bool NumeronPrivate::applySizeRule()
{
    Q_Q(Numeron);
    bool overflow = false;
    const QSize face = faceSizeFor(m_format, m_placeHolders, m_size, m_outLine, &overflow);
    if (overflow) {
        reportOverflow();
        return false;
    }
    m_lastError.clear();
    // Height first, then width, each in its own step as a host would set them.
    q->setFixedHeight(face.height());
    q->setFixedWidth(face.width());
    DrawDigits();
    return true;
}

void NumeronPrivate::notify(const char *name)
{
    Q_EMIT q_ptr->propertyChanged(QLatin1String(name));
}

void NumeronPrivate::reportOverflow()
{
    m_lastError = QStringLiteral("Overflow: the face would be wider than %1 pixels").arg(MaxFaceExtent);
    Q_EMIT q_ptr->errorOccurred(m_lastError);
}

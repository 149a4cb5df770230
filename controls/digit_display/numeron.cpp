// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "numeron.h"

#include "glyph_strip.h"
#include "numeron_accessible.h"

#include <QAccessible>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace {

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
    static const QImage strip = Numeron::glyphStrip().convertToFormat(QImage::Format_RGB32);
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

const QVariant *findValue(const Numeron::PropertyBag &bag, const QString &name)
{
    for (const auto &entry : bag) {
        if (entry.first == name)
            return &entry.second;
    }
    return nullptr;
}

QString readText(const Numeron::PropertyBag &bag, const char *name, const QString &fallback)
{
    const QVariant *v = findValue(bag, QLatin1String(name));
    return v && v->canConvert<QString>() ? v->toString() : fallback;
}

qint64 readNumber(const Numeron::PropertyBag &bag, const char *name, qint64 fallback)
{
    const QVariant *v = findValue(bag, QLatin1String(name));
    if (!v)
        return fallback;
    bool ok = false;
    const qint64 n = v->toLongLong(&ok);
    return ok ? n : fallback;
}

int readInt32(const Numeron::PropertyBag &bag, const char *name, int fallback)
{
    return int(std::clamp<qint64>(readNumber(bag, name, fallback), std::numeric_limits<qint32>::min(),
                                  std::numeric_limits<qint32>::max()));
}

bool readBool(const Numeron::PropertyBag &bag, const char *name, bool fallback)
{
    const QVariant *v = findValue(bag, QLatin1String(name));
    return v && v->canConvert<bool>() ? v->toBool() : fallback;
}

} // namespace

Numeron::Numeron(QWidget *parent)
    : QWidget(parent)
    , m_display(QString::fromLatin1(kDefaultDisplay))
{
    // First: Qt keeps the first interface it makes for a widget, and the
    // first drawing below announces the reading.
    numeron_accessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    applySizeRule();
}

Numeron::~Numeron() = default;

void Numeron::setDigitFormat(int format)
{
    if (format < dgGeneral || format > dgDecimal)
        format = dgGeneral;
    Layout next = layout();
    next.format = format;
    if (!acceptLayout(next))
        return;
    m_format = format;
    Q_EMIT DigitFormatChanged(DigitFormat());
    notify("DigitFormat");
    applySizeRule();
}

void Numeron::setDigitError(bool error)
{
    m_error = error;
    Q_EMIT DigitErrorChanged(m_error);
    notify("DigitError");
    DrawDigits();
}

void Numeron::setDigitColor(int color)
{
    if (color < dgBlue || color > dgRed)
        color = dgGreen;
    if (!acceptLayout(layout()))
        return;
    m_color = color;
    Q_EMIT DigitColorChanged(DigitColor());
    notify("DigitColor");
    applySizeRule();
}

void Numeron::setDigitJustify(int justify)
{
    if (justify < dgLeft || justify > dgRight)
        justify = dgRight;
    m_justify = justify;
    Q_EMIT DigitJustifyChanged(DigitJustify());
    notify("DigitJustify");
    DrawDigits();
}

void Numeron::setDigitOutLine(bool outLine)
{
    Layout next = layout();
    next.outLine = outLine;
    if (!acceptLayout(next))
        return;
    m_outLine = outLine;
    Q_EMIT DigitOutLineChanged(m_outLine);
    notify("DigitOutLine");
    applySizeRule();
}

void Numeron::setDigitPlaceHolders(int placeHolders)
{
    placeHolders = std::max(placeHolders, 1);
    if (placeHolders > std::numeric_limits<qint16>::max()) {
        // Not representable as a place count at all; treated like any other
        // face that cannot be measured.
        reportOverflow();
        return;
    }
    Layout next = layout();
    next.placeHolders = placeHolders;
    if (!acceptLayout(next))
        return;
    m_placeHolders = qint16(placeHolders);
    Q_EMIT DigitPlaceHoldersChanged(m_placeHolders);
    notify("DigitPlaceHolders");
    applySizeRule();
}

void Numeron::setDigitSize(int size)
{
    if (size < dgSmall || size > dgLarge)
        size = dgLarge;
    Layout next = layout();
    next.size = size;
    if (!acceptLayout(next))
        return;
    m_size = size;
    Q_EMIT DigitSizeChanged(DigitSize());
    notify("DigitSize");
    applySizeRule();
}

void Numeron::setDigitDisplay(const QString &text)
{
    m_display = text;
    Q_EMIT DigitDisplayChanged(m_display);
    notify("DigitDisplay");
    DrawDigits();
}

void Numeron::setDigitAccessibleText(const QString &text)
{
    m_accessibleText = text;
    announceReading();
}

QString Numeron::displayedText() const
{
    // The error figure reads as the word it spells, whatever separators the
    // time formats put around it.
    if (m_error)
        return QStringLiteral("Err");
    QString shown = FormatDigits(m_display, m_format, m_error, m_justify, m_placeHolders);
    shown.remove(BlankGlyph);
    const bool readable = std::any_of(shown.cbegin(), shown.cend(), [](QChar c) { return c != u':' && c != u'.'; });
    return readable ? shown : QString();
}

void Numeron::announceReading()
{
    const QString reading = numeron_accessible::reading(this);
    if (reading == m_announcedReading)
        return;
    m_announcedReading = reading;
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void Numeron::initNewInstance()
{
    m_size = dgSmall;
    m_color = dgRed;
    m_outLine = true;
    m_placeHolders = 4;
    m_display = QStringLiteral("543");
    m_justify = dgRight;
    m_format = dgGeneral;
    m_error = false;
    DrawDigits();
}

bool Numeron::readProperties(const PropertyBag &bag)
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

Numeron::PropertyBag Numeron::writeProperties() const
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

void Numeron::ambientChanged()
{
    DrawDigits();
    repaint();
}

QString Numeron::FormatDigits(const QString &text, int format, bool error, int justify, int placeHolders)
{
    format = effectiveFormat(format);
    placeHolders = effectivePlaceHolders(placeHolders);
    const bool timeFormat = format == dgShortTime || format == dgLongTime;
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
            if (separators == 1 || (separators == 2 && format == dgLongTime))
                g += c;
        } else if (c == u'.' && format == dgDecimal) {
            ++separators;
            if (separators == 1)
                g += c;
        } else if (c == u'-' && i == 0 && !timeFormat) {
            g += c;
        }
    }

    const QChar blank = BlankGlyph;
    if (format == dgShortTime) {
        if (error)
            return glyphString({blank, u'E', u':', u'r', u'r'});
        if (g.size() == 4)
            g.prepend(blank);
        if (g.size() == 5 && g.indexOf(u':') == 2)
            return g;
        return glyphString({blank, blank, u':', blank, blank});
    }
    if (format == dgLongTime) {
        if (error)
            return glyphString({blank, blank, u':', blank, u'E', u':', u'r', u'r'});
        if (g.size() == 7)
            g.prepend(blank);
        if (g.size() == 8 && (g.at(2) == u':' || g.at(4) == u':'))
            return g;
        return glyphString({blank, blank, u':', blank, blank, u':', blank, blank});
    }

    if (error)
        g = format == dgDecimal ? QStringLiteral("Err.") : QStringLiteral("Err");
    const int pointCells = format == dgDecimal ? 1 : 0;
    if (format == dgDecimal && !g.contains(u'.'))
        g += QStringLiteral(".0");
    const qsizetype cells = g.size() - pointCells;
    if (cells < placeHolders) {
        const QString filler(placeHolders - cells, blank);
        g = justify == dgLeft ? g + filler : filler + g;
    } else if (cells > placeHolders) {
        g = g.right(placeHolders + pointCells);
    }
    return g;
}

QSize Numeron::faceSizeFor(int format, int placeHolders, int size, bool outLine, bool *overflow)
{
    int cells = effectivePlaceHolders(placeHolders);
    int extra = 0;
    switch (effectiveFormat(format)) {
    case dgShortTime:
        cells = 4;
        extra = SeparatorWidth;
        break;
    case dgLongTime:
        cells = 6;
        extra = 2 * SeparatorWidth;
        break;
    case dgDecimal:
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

void Numeron::DrawDigits()
{
    const QSize area = size();
    if (area.isEmpty()) {
        m_face = QImage();
        update();
        return;
    }
    if (m_face.size() != area)
        m_face = QImage(area, QImage::Format_RGB32);

    QPainter p(&m_face);
    p.fillRect(m_face.rect(), palette().color(QPalette::Button));
    int origin = 0;
    if (m_outLine) {
        drawSunkenEdge(p, m_face.rect(), palette());
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
    update();
    announceReading();
}

const QImage &Numeron::glyphStrip()
{
    static const QImage strip = numeron_strip::draw();
    return strip;
}

double Numeron::twipsPerPixel(qreal logicalDpi)
{
    return logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0;
}

double Numeron::twipsPerPixelX(const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96.0);
}

double Numeron::twipsPerPixelY(const QScreen *screen)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96.0);
}

QSize Numeron::sizeInTwips() const
{
    const QScreen *s = screen();
    return QSize(qRound(width() * twipsPerPixelX(s)), qRound(height() * twipsPerPixelY(s)));
}

QSize Numeron::sizeHint() const
{
    bool overflow = false;
    const QSize face = faceSizeFor(m_format, m_placeHolders, m_size, m_outLine, &overflow);
    return overflow ? QWidget::sizeHint() : face;
}

QSize Numeron::minimumSizeHint() const
{
    return sizeHint();
}

void Numeron::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_face.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    // The face is kept at one image pixel per logical pixel; on a scaled
    // screen it is enlarged without smoothing so the segments stay sharp.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(QPoint(0, 0), m_face.size()), m_face);
}

void Numeron::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applySizeRule();
}

void Numeron::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        ambientChanged();
}

bool Numeron::acceptLayout(const Layout &candidate)
{
    bool overflow = false;
    faceSizeFor(candidate.format, candidate.placeHolders, candidate.size, candidate.outLine, &overflow);
    if (overflow)
        reportOverflow();
    return !overflow;
}

bool Numeron::applySizeRule()
{
    bool overflow = false;
    const QSize face = faceSizeFor(m_format, m_placeHolders, m_size, m_outLine, &overflow);
    if (overflow) {
        reportOverflow();
        return false;
    }
    m_lastError.clear();
    // Height first, then width, each in its own step as a host would set them.
    setFixedHeight(face.height());
    setFixedWidth(face.width());
    DrawDigits();
    return true;
}

void Numeron::notify(const char *name)
{
    Q_EMIT propertyChanged(QLatin1String(name));
}

void Numeron::reportOverflow()
{
    m_lastError = QStringLiteral("Overflow: the face would be wider than %1 pixels").arg(MaxFaceExtent);
    Q_EMIT errorOccurred(m_lastError);
}

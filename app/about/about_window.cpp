// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_window.h"

#include "about_layout.h"
#include "skin/focus_glow.h"
#include "skin/sheer_picture.h"
#include "skin/skin_button.h"
#include "resources/picture_from_res.h"
#include "resources/resources.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>

namespace horavox {

namespace {

constexpr int kWidthPx = Form3::kWidthTwips / kTwipsPerPixel;   // 236
constexpr int kHeightPx = Form3::kHeightTwips / kTwipsPerPixel; // 157

// The recessed white panel of the background board, behind the text.
const QRect kPanelRect(15, 55, 206, 70);
const QColor kLinkColour(0, 0, 128);

// "9.75 point" at 96 dots per inch.
constexpr int kLabelFontPx = 13;
constexpr int kSmallestFontPx = 7;
constexpr int kTextFontPx = 12;

// An image that reports every button going down and coming up. Qt hands
// the release to the widget that took the press, so the release arrives
// here even when the pointer has left the image by then.
class PressImage : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> onPress;
    std::function<void()> onRelease;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        e->accept();
        if (onPress)
            onPress();
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        e->accept();
        if (onRelease)
            onRelease();
    }
};

// A label that acts on a left click: press and release over it.
class ClickLabel : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        e->accept();
        if (e->button() == Qt::LeftButton)
            m_armed = true;
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        e->accept();
        if (e->button() != Qt::LeftButton)
            return;
        const bool click = m_armed && rect().contains(e->position().toPoint());
        m_armed = false;
        if (click && onClick)
            onClick();
    }

private:
    bool m_armed = false;
};

// Stand-ins drawn in code so that a build without the artwork still shows
// a usable window: above all, a close button that can be seen and pressed.
QPixmap fallbackCloseButton(bool pressed)
{
    QPixmap pm(13, 13);
    pm.fill(pressed ? QColor(150, 150, 150) : QColor(200, 200, 200));
    QPainter p(&pm);
    p.setPen(pressed ? QColor(80, 80, 80) : QColor(245, 245, 245));
    p.drawLine(0, 0, 12, 0);
    p.drawLine(0, 0, 0, 12);
    p.setPen(pressed ? QColor(245, 245, 245) : QColor(80, 80, 80));
    p.drawLine(12, 1, 12, 12);
    p.drawLine(1, 12, 12, 12);
    p.setPen(QPen(Qt::black, 1.5));
    p.setRenderHint(QPainter::Antialiasing);
    const int d = pressed ? 1 : 0;
    p.drawLine(QPointF(3.5 + d, 3.5 + d), QPointF(9.5 + d, 9.5 + d));
    p.drawLine(QPointF(9.5 + d, 3.5 + d), QPointF(3.5 + d, 9.5 + d));
    return pm;
}

QPixmap fallbackBackground()
{
    QPixmap pm(kWidthPx, kHeightPx);
    QPainter p(&pm);
    QLinearGradient board(0, 0, 0, kHeightPx);
    // Light enough for the black and navy labels to read on it.
    board.setColorAt(0.0, QColor(222, 216, 202));
    board.setColorAt(1.0, QColor(184, 175, 158));
    p.fillRect(pm.rect(), board);
    p.fillRect(kPanelRect, Qt::white);
    p.setPen(QColor(120, 112, 98));
    p.drawLine(kPanelRect.topLeft(), kPanelRect.topRight());
    p.drawLine(kPanelRect.topLeft(), kPanelRect.bottomLeft());
    return pm;
}

QPixmap bitmapOr(const QString &name, QPixmap fallback)
{
    QPixmap pm = bitmapResource(name);
    return pm.isNull() ? fallback : pm;
}

QString buildWelcomeText()
{
    return Form3::tr("Horavox speaks the time at the interval you choose, "
                     "or whenever you ask. In alarm mode it counts "
                     "the minutes for you.")
        // The version `horavox --version` prints, for a report of a fault.
        + QLatin1Char('\n') + Form3::tr("Version %1").arg(QStringLiteral(HORAVOX_VERSION)) + QStringLiteral(", ")
        + Form3::tr("© 2026 The Horavox developers");
}

} // namespace

Form3::Form3(int mainWindowHeight, QScreen *screen, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_drag(this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About Horavox"));
    setFixedSize(kWidthPx, kHeightPx);

    for (std::size_t i = 0; i < m_titles.size(); ++i) {
        m_titles[i] = new SheerPicture(this);
        // The pictures are mostly see-through; a press on them belongs to
        // the board behind, which drags the window.
        m_titles[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_titles[0]->setGeometry(twipsRect(140, 0, 975, 735));
    m_titles[1]->setGeometry(twipsRect(1200, 0, 555, 735));
    m_titles[2]->setGeometry(twipsRect(1770, 0, 1530, 735));

    m_text1 = new QPlainTextEdit(this);
    m_text1->setGeometry(twipsRect(380, 840, 2895, 1000));
    m_text1->setReadOnly(true);
    m_text1->setFrameShape(QFrame::NoFrame);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_text1->setContextMenuPolicy(Qt::NoContextMenu);
    m_text1->document()->setDocumentMargin(2);
    {
        // The text sits on the board's white panel whatever the desktop theme.
        QPalette pal = m_text1->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
        m_text1->setPalette(pal);
    }

    QFont labelFont = font();
    labelFont.setBold(true);

    m_label1 = new QLabel(tr("Email"), this);
    m_label1->setGeometry(twipsRect(215, 2015, 615, 255));
    m_label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    {
        QFont f(labelFont);
        f.setPixelSize(fittedPixelSize(f, m_label1->text(), m_label1->size(), kLabelFontPx, kSmallestFontPx));
        m_label1->setFont(f);
        QPalette pal = m_label1->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        m_label1->setPalette(pal);
    }

    auto *label2 = new ClickLabel(contactAddress(), this);
    label2->onClick = [this] { Label2_Click(); };
    m_label2 = label2;
    m_label2->setGeometry(twipsRect(860, 2015, 2415, 285));
    m_label2->setToolTip(contactAddress());
    {
        QFont f(labelFont);
        f.setUnderline(true);
        f.setPixelSize(fittedPixelSize(f, m_label2->text(), m_label2->size(), kLabelFontPx, kSmallestFontPx));
        m_label2->setFont(f);
        QPalette pal = m_label2->palette();
        pal.setColor(QPalette::WindowText, kLinkColour);
        m_label2->setPalette(pal);
    }

    auto *closeB = new PressImage(this);
    closeB->onPress = [this] { CloseB_MouseDown(); };
    closeB->onRelease = [this] { CloseB_MouseUp(); };
    m_closeB = closeB;
    m_closeB->setGeometry(twipsRect(3270, 90, 195, 195));
    m_closeB->setToolTip(tr("Close"));

    // Without a mouse: the link and the close button take the focus and
    // Space or Enter, and assistive technology can press them.
    SkinButton::attach(m_label2, tr("Write to %1").arg(contactAddress()), nullptr, [this] { Label2_Click(); });
    SkinButton::attach(m_closeB, tr("Close"), [this] { CloseB_MouseDown(); }, [this] { CloseB_MouseUp(); });
    new FocusGlow(this);

    m_timer1 = new QTimer(this);
    m_timer1->setInterval(kTimer1IntervalMs);
    connect(m_timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
    m_timer2 = new QTimer(this);
    m_timer2->setInterval(kTimer2IntervalMs);
    connect(m_timer2, &QTimer::timeout, this, &Form3::Timer2_Timer);

    m_openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };

    Form_Load(mainWindowHeight, screen);
}

Form3::~Form3() = default;

void Form3::Form_Load(int mainWindowHeight, QScreen *screen)
{
    // 1. Title pictures, hidden until the animation brings them in.
    for (std::size_t i = 0; i < m_titles.size(); ++i)
        m_titles[i]->setPicture(PictureFromRes(qint16(105 + i), QStringLiteral("Custom")), 0.0f, 0.0f);
    for (SheerPicture *title : m_titles)
        title->setVisible(false);

    // 2. Welcome text.
    m_welcome = buildWelcomeText();
    m_text1->setPlainText(m_welcome);
    {
        QFont f = m_text1->font();
        const int margin = 2 * int(m_text1->document()->documentMargin());
        f.setPixelSize(fittedPixelSize(f, m_welcome, m_text1->size() - QSize(margin, margin), kTextFontPx,
                                       kSmallestFontPx + 1, TextFlow::Wrapped));
        m_text1->setFont(f);
        // The box lays its lines out a pixel taller than the font's bounding
        // rectangles add up to, so a long translation could still need a
        // scroll bar: the box's own layout has the last word.
        const QRect room = m_text1->contentsRect();
        const auto overflows = [&](const QFont &font) {
            QTextDocument probe;
            probe.setDefaultFont(font);
            probe.setDocumentMargin(m_text1->document()->documentMargin());
            probe.setPlainText(m_welcome);
            probe.setTextWidth(room.width());
            return probe.size().height() > room.height();
        };
        while (f.pixelSize() > kSmallestFontPx + 1 && overflows(f))
            f.setPixelSize(f.pixelSize() - 1);
        m_text1->setFont(f);
    }

    // 3. Close button pictures and the board.
    m_closeB->setPixmap(bitmapOr(QStringLiteral("XUP"), fallbackCloseButton(false)));
    m_closeHolder = bitmapOr(QStringLiteral("XDOWN"), fallbackCloseButton(true));
    m_background = bitmapOr(QStringLiteral("ABOUTBACK"), fallbackBackground());

    // 4. Animation from its first step.
    m_timer1->start();
    m_timer2->stop();
    m_step = 0;

    // 5. The link's hand cursor.
    const QPixmap hand(QStringLiteral(":/CURSOR/HAND"));
    m_label2->setCursor(hand.isNull() ? QCursor(Qt::PointingHandCursor)
                                      : QCursor(hand, kHandHotSpot.x(), kHandHotSpot.y()));

    // 6. Placement.
    if (!screen && parentWidget())
        screen = parentWidget()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        setScreen(screen);
        move(aboutWindowPlacement(screen->geometry(), screen->availableGeometry(), size(), mainWindowHeight));
    }
}

QString Form3::contactAddress()
{
    return QStringLiteral(HORAVOX_CONTACT);
}

QUrl Form3::mailUrl()
{
    return QUrl(QStringLiteral("mailto:") + contactAddress());
}

void Form3::setUrlOpener(UrlOpener opener)
{
    m_openUrl = std::move(opener);
}

void Form3::Timer1_Timer()
{
    const qint16 old = m_step;
    // Past the last step the counter has no further use; holding it there
    // keeps a stray tick from ever wrapping it round to a live step.
    if (m_step < 4)
        ++m_step;
    switch (old) {
    case 0:
        m_titles[0]->setVisible(true);
        m_titles[0]->raise();
        break;
    case 1:
        m_titles[1]->setVisible(true);
        break;
    case 2:
        m_titles[2]->setVisible(true);
        break;
    case 3:
        for (SheerPicture *title : m_titles)
            title->setVisible(false);
        m_timer2->start();
        m_timer1->stop();
        break;
    default:
        break;
    }
}

void Form3::Timer2_Timer()
{
    for (SheerPicture *title : m_titles)
        title->setVisible(true);
    m_titles[0]->raise();
    m_timer2->stop();
}

void Form3::CloseB_MouseDown()
{
    // A second button going down while the first is held must not take the
    // pressed picture for the released one.
    if (!m_closePressed) {
        m_tempHolder = m_closeB->pixmap();
        m_closePressed = true;
    }
    m_closeB->setPixmap(m_closeHolder);
}

void Form3::CloseB_MouseUp()
{
    if (m_closePressed) {
        m_closeB->setPixmap(m_tempHolder);
        m_closePressed = false;
    }
    m_timer1->stop();
    close();
}

void Form3::Label2_Click()
{
    // A desktop without a mail program simply does nothing; there is
    // nothing the user could do about a message saying so.
    if (m_openUrl)
        m_openUrl(mailUrl());
}

void Form3::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_background);
}

void Form3::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_drag.press(event);
}

void Form3::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    m_drag.move(event);
}

void Form3::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    m_drag.release(event);
}

void Form3::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        CloseB_MouseUp();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form3::closeEvent(QCloseEvent *event)
{
    m_timer1->stop();
    // A close between the last step and the final one must not leave a
    // timer that brings the pictures back on a window already gone.
    m_timer2->stop();
    event->accept();
}

} // namespace horavox

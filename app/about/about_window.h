// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "skin/surface_drag.h"

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QScreen;
class QTimer;

namespace horavox {

class SheerPicture;

// The About window: the program's name as three title pictures that appear
// one after the other, a short welcome text and a mail link. It has no frame;
// the user drags it by its background and closes it with its own button.
// It deletes itself when closed, so every opening is a fresh window whose
// animation starts again from the first step.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    // Client size as designed, in twips (236 x 157 pixels).
    static constexpr int kWidthTwips = 3540;
    static constexpr int kHeightTwips = 2355;
    static constexpr int kTimer1IntervalMs = 1000;
    static constexpr int kTimer2IntervalMs = 350;
    // The hand cursor is stored as a plain picture, which carries no hot
    // spot; the fingertip of the drawing sits here.
    static constexpr QPoint kHandHotSpot{10, 2};

    using UrlOpener = std::function<bool(const QUrl &)>;

    // mainWindowHeight is the main window's height in pixels; it raises the
    // window above the screen's centre. screen defaults to the parent's, or
    // the primary screen.
    explicit Form3(int mainWindowHeight, QScreen *screen = nullptr, QWidget *parent = nullptr);
    ~Form3() override;

    // Animation steps, public so that tests can drive them without waiting.
    void Timer1_Timer();
    void Timer2_Timer();

    QTimer *timer1() const { return m_timer1; }
    QTimer *timer2() const { return m_timer2; }
    qint16 step() const { return m_step; }

    SheerPicture *titlePicture(int index) const { return m_titles.at(std::size_t(index)); }
    QPlainTextEdit *text1() const { return m_text1; }
    QLabel *label1() const { return m_label1; }
    QLabel *label2() const { return m_label2; }
    QLabel *closeButton() const { return m_closeB; }
    QString welcomeText() const { return m_welcome; }

    static QString contactAddress();
    static QUrl mailUrl();

    // Replaces the way the mail link is opened; the default hands the URL to
    // the desktop.
    void setUrlOpener(UrlOpener opener);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Escape closes the window as its close button does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load(int mainWindowHeight, QScreen *screen);
    void CloseB_MouseDown();
    void CloseB_MouseUp();
    void Label2_Click();

    std::array<SheerPicture *, 3> m_titles{};
    QPlainTextEdit *m_text1 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_closeB = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;

    QPixmap m_background;
    QPixmap m_closeHolder; // the close button's pressed picture
    QPixmap m_tempHolder;  // its released picture while it is held down
    bool m_closePressed = false;

    QString m_welcome;
    qint16 m_step = 0;
    UrlOpener m_openUrl;

    SurfaceDrag m_drag;
};

} // namespace horavox

// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <optional>

class QWidget;

namespace horavox {

// configDir()/WindowPosition.txt: where the user last left the clock. It is
// a file of its own so that the settings and slider files keep their exact
// bytes.
QString windowPositionPath();

// One line, "x y", in the desktop's logical pixels.
class WindowPositionStore
{
public:
    explicit WindowPositionStore(QString path);

    // Nothing when the file is missing or does not hold two whole numbers.
    std::optional<QPoint> load() const;
    // Replaces the file as a whole (a crash leaves the old one or the new
    // one, never half of each); false if it could not be written.
    bool save(const QPoint &topLeft) const;
    QString path() const { return m_path; }

private:
    QString m_path;
};

// Where a window of `size` goes, given the saved top-left point and the
// screens there are now (available areas, the primary one first). A point
// that lies on a screen keeps the window there, moved just enough for the
// whole window to fit on that screen; a point that lies on no screen (one
// that has been unplugged) centres the window on the primary screen.
// Nothing saved: nothing to decide, the window manager places it.
std::optional<QPoint> placeWindow(const std::optional<QPoint> &saved, const QSize &size,
                                  const QList<QRect> &screens);

// Puts the window where it was last left, and writes down where the user
// drags it (a moment after the last move, and once more at the end).
//
// Where the window system keeps the placing of windows to itself (Wayland),
// the program can neither put the window anywhere nor learn where it is, so
// the keeper does neither: the file keeps the place from a session where it
// could, byte for byte, for the next such session.
class WindowPositionKeeper : public QObject
{
    Q_OBJECT
public:
    enum class Placement { ByProgram, ByWindowSystem };
    // The placement the running platform allows.
    static Placement platformPlacement();

    WindowPositionKeeper(QWidget *window, const QString &path, QObject *parent = nullptr);
    WindowPositionKeeper(QWidget *window, const QString &path, Placement placement, QObject *parent = nullptr);

    // Moves the window to its remembered place; call before it is shown.
    void restore();
    // Writes the current position now if it has changed since the last write.
    void flush();

    static constexpr int kSettleMs = 800;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    WindowPositionStore m_store;
    QTimer m_settle;
    Placement m_placement;
    std::optional<QPoint> m_written;
    bool m_restoring = false;
};

} // namespace horavox

// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_position.h"

#include "core/paths.h"
#include "core/window_system.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QScreen>
#include <QWidget>

namespace horavox {

namespace {
// The file holds one short line; anything longer is not ours.
constexpr qint64 kMaxBytes = 64;
// Coordinates beyond this are no desktop's; a damaged file must not throw
// the window into the far distance.
constexpr int kMaxCoordinate = 1 << 20;
} // namespace

QString windowPositionPath()
{
    return joinPath(configDir(), QStringLiteral("WindowPosition.txt"));
}

WindowPositionStore::WindowPositionStore(QString path) : m_path(std::move(path)) {}

std::optional<QPoint> WindowPositionStore::load() const
{
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes)
        return std::nullopt;
    const QList<QByteArray> parts = bytes.simplified().split(' ');
    if (parts.size() != 2)
        return std::nullopt;
    bool okX = false, okY = false;
    const int x = parts[0].toInt(&okX);
    const int y = parts[1].toInt(&okY);
    if (!okX || !okY || qAbs(x) > kMaxCoordinate || qAbs(y) > kMaxCoordinate)
        return std::nullopt;
    return QPoint(x, y);
}

bool WindowPositionStore::save(const QPoint &topLeft) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray line = QByteArray::number(topLeft.x()) + ' ' + QByteArray::number(topLeft.y()) + '\n';
    // QSaveFile buffers small writes; a disk that refuses them must cancel the
    // commit, or an empty file would replace the old one.
    if (f.write(line) != line.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

std::optional<QPoint> placeWindow(const std::optional<QPoint> &saved, const QSize &size,
                                  const QList<QRect> &screens)
{
    if (!saved || screens.isEmpty())
        return std::nullopt;
    for (const QRect &screen : screens) {
        if (!screen.contains(*saved))
            continue;
        // Pull the window in from the right and bottom edges first, then the
        // left and top, so that on a screen smaller than the window its
        // top-left corner (where it is grabbed) stays visible.
        int x = qMin(saved->x(), screen.right() + 1 - size.width());
        int y = qMin(saved->y(), screen.bottom() + 1 - size.height());
        x = qMax(x, screen.left());
        y = qMax(y, screen.top());
        return QPoint(x, y);
    }
    const QRect &primary = screens.first();
    return QPoint(primary.left() + (primary.width() - size.width()) / 2,
                  primary.top() + (primary.height() - size.height()) / 2);
}

WindowPositionKeeper::Placement WindowPositionKeeper::platformPlacement()
{
    return compositorPlacesWindows() ? Placement::ByWindowSystem : Placement::ByProgram;
}

WindowPositionKeeper::WindowPositionKeeper(QWidget *window, const QString &path, QObject *parent)
    : WindowPositionKeeper(window, path, platformPlacement(), parent)
{
}

WindowPositionKeeper::WindowPositionKeeper(QWidget *window, const QString &path, Placement placement,
                                           QObject *parent)
    : QObject(parent), m_window(window), m_store(path), m_placement(placement)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &WindowPositionKeeper::flush);
    m_window->installEventFilter(this);
}

void WindowPositionKeeper::restore()
{
    if (m_placement == Placement::ByWindowSystem)
        return;
    QList<QRect> screens;
    if (QScreen *primary = QGuiApplication::primaryScreen())
        screens.append(primary->availableGeometry());
    for (QScreen *s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen())
            screens.append(s->availableGeometry());

    const std::optional<QPoint> saved = m_store.load();
    m_written = saved;
    if (const std::optional<QPoint> place = placeWindow(saved, m_window->frameGeometry().size(), screens)) {
        m_restoring = true;
        m_window->move(*place);
        m_restoring = false;
    }
}

void WindowPositionKeeper::flush()
{
    m_settle.stop();
    // The position read back there is not where the window is.
    if (m_placement == Placement::ByWindowSystem)
        return;
    const QPoint now = m_window->pos();
    if (m_written && *m_written == now)
        return;
    if (m_store.save(now))
        m_written = now;
}

bool WindowPositionKeeper::eventFilter(QObject *watched, QEvent *event)
{
    // Only moves of a visible window are the user's; the ones before it is
    // shown are the program placing it.
    if (watched == m_window && event->type() == QEvent::Move && !m_restoring && m_window->isVisible())
        m_settle.start();
    return QObject::eventFilter(watched, event);
}

} // namespace horavox

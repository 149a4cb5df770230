#include "bring_forward.h"

#include <QWidget>

namespace horavox {

void bringForward(QWidget &window, const QByteArray &activationToken)
{
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    window.activateWindow();
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace horavox

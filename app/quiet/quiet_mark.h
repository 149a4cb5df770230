#pragma once
#include <QWidget>

class QPainter;

namespace horavox {

// The sign of a clock that keeps quiet: a red stroke through the sound
// waves, drawn into any rectangle (the skin's speaker, the tray icon).
void paintQuietMark(QPainter &p, const QRectF &r);

// The mark on the clock's skin, over the speaker printed on it. Shown while
// something holds the regular announcements; its tooltip says what.
class QuietMark : public QWidget
{
    Q_OBJECT
public:
    explicit QuietMark(QWidget *parent = nullptr);

    // Empty text hides the mark.
    void setHold(const QString &why);

protected:
    void paintEvent(QPaintEvent *) override;
};

} // namespace horavox

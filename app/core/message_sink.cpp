#include "message_sink.h"

#include <QMessageBox>

namespace horavox {

void DialogMessageSink::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

} // namespace horavox

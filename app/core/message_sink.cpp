// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "message_sink.h"

#include <QMessageBox>

namespace horavox {

void DialogMessageSink::information(QWidget *parent, const QString &title, const QString &text)
{
    informThen(parent, title, text, {});
}

void DialogMessageSink::informThen(QWidget *parent, const QString &title, const QString &text,
                                   std::function<void()> answered)
{
    auto *box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    if (answered)
        QObject::connect(box, &QMessageBox::finished, box, [answered = std::move(answered)] { answered(); });
    box->show();
}

} // namespace horavox

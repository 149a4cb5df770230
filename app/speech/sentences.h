// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

namespace horavox {

// A phrase of nothing but blanks counts as no phrase at all.
bool phraseIsEmpty(const QString &phrase);

// "The Time is Now 05:04 PM", or the phrase exactly as typed, a blank and the
// medium time text t.
QString TimeSentence(const QString &phrase, const QString &t);

// The elapsed-minutes sentence for the interval n (singular for 1 only). With
// tellTime it goes on with the time of now t and the alarm's start time.
QString AlarmSentence(int n, bool tellTime, const QString &phrase, const QString &t,
                      const QString &alarmStartText);

} // namespace horavox

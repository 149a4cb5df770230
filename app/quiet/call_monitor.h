// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QTimer>
#include <memory>

namespace horavox {

// What the sound server says about one recording stream.
struct RecordingStream
{
    bool fromMonitor = false;   // its source is the monitor of an output
    bool peakMeter = false;     // a level meter (PA_STREAM_PEAK_DETECT)
    bool corked = false;        // paused: nothing is being recorded
    bool hasClient = true;      // a program's stream, not one a module made
};

// A program is in a call while it records from a real microphone. Level
// meters, recordings of what the speakers play, paused streams and the
// server's own plumbing (loopbacks and the like) do not count.
bool countsAsCall(const RecordingStream &s);

// Watches the sound server the program plays to (PulseAudio, or PipeWire
// through its PulseAudio service) and tells whether a call is on. It follows
// the server's change events, so it costs nothing while nothing changes; a
// server that goes away is looked for again after 1 s, 2 s, 4 s ... up to a
// minute, and no call is assumed meanwhile.
class CallMonitor : public QObject
{
    Q_OBJECT
public:
    explicit CallMonitor(QObject *parent = nullptr);
    ~CallMonitor() override;

    // Loads libpulse first; tests name a library that cannot serve instead.
    void start(const QString &library = QStringLiteral("pulse"), int version = 0);
    bool inCall() const { return m_inCall; }
    bool connected() const { return m_connected; }
    // The wait before the next attempt to reach the server, in ms.
    int retryDelayMs() const { return m_retryMs; }

    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kLastRetryMs = 60000;

Q_SIGNALS:
    void inCallChanged(bool inCall);
    void connectedChanged(bool connected);

private:
    struct Pulse;
    friend struct Pulse;
    void connectToServer();
    void serverLost();
    void setConnected(bool connected);
    void setInCall(bool inCall);

    std::unique_ptr<Pulse> d;
    QTimer m_retry;
    int m_retryMs = kFirstRetryMs;
    bool m_inCall = false;
    bool m_connected = false;
};

} // namespace horavox

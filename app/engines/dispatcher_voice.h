// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <memory>

namespace horavox {

// One voice that one of speech-dispatcher's output modules offers.
struct DispatcherVoiceInfo
{
    QString module;   // "espeak-ng"
    QString name;     // the module's own name for it
    QString language; // "en-US"
};

// The clock's speed, 50..220 with 135 its natural pace, as speech-dispatcher's
// rate, -100..100 with 0 the voice's own pace.
int dispatcherRate(int speed);
// The clock's own volume, 0..100 percent, as speech-dispatcher's: full is
// what the user set there (0), none is its quietest (-100).
int dispatcherVolume(int percent);
// The language the clock speaks, as speech-dispatcher names languages ("en",
// "pt-BR").
QString dispatcherLanguage();

// Sentences said through speech-dispatcher, the desktop's speech service,
// beside the screen reader and every other program that talks: they wait
// behind a message being said and are not cut off themselves.
//
// Every call to the library happens on a thread of its own, because a server
// that stops answering keeps a call waiting for ever: a watch on the owner's
// thread notices a call that takes too long, breaks its connection (or, when
// even that does not free it, leaves the thread behind), and the sentences
// not yet handed over come back through unspoken(). A server that dies is
// noticed by a look every second while a sentence is out; the next sentence
// connects afresh, and the server is started on demand when none is running.
//
// The connection stays open from the first sentence to the end: the server
// leaves when idle, and starting it again costs time.
class DispatcherVoice : public QObject
{
    Q_OBJECT
public:
    struct Timing
    {
        int answerMs = 2000;  // longest wait for an answer
        int connectMs = 3000; // longest wait for a connection, a start included
        int lookMs = 1000;    // between looks at the server while a sentence is out
    };

    explicit DispatcherVoice(QObject *parent = nullptr);
    explicit DispatcherVoice(const Timing &timing, QObject *parent = nullptr);
    ~DispatcherVoice() override;

    // False when libspeechd cannot be loaded; nothing is then ever said.
    static bool available();

    // Which voice speaks from the next sentence on. An empty module leaves
    // the module and voice to the user's own speech-dispatcher settings.
    void setVoice(const QString &module, const QString &name);
    // Hands the sentence over; `speed` as DirectSS takes it, `volume` in
    // percent.
    void speak(const QString &text, int speed, int volume);
    // Cancels what this clock has said or is about to say, and nothing of
    // another program's.
    void stop();
    // True from speak() until the server has said the sentence to its end,
    // or cancelled it, or is found gone.
    bool busy() const;

    // Every voice of every output module, on a connection of its own, waiting
    // at most for a connection and the time a long list takes; empty without
    // a server.
    QList<DispatcherVoiceInfo> listVoices() const;
    // The same without waiting: voicesListed() brings them.
    void requestVoices();

    struct Link;

Q_SIGNALS:
    void busyChanged(bool busy);
    // The sentence could not be handed over even on a fresh connection.
    void unspoken(const QString &text);
    // The server took a sentence.
    void accepted();
    // What requestVoices() asked for; empty without a server.
    void voicesListed(const QList<DispatcherVoiceInfo> &voices);

private:
    friend struct Link;
    void handOver(int kind, const QString &text = QString());
    void answered(quint64 request, int message);
    void messageOver(int message);
    void connectionLost();
    void watch();
    void abandonLink();
    void refreshBusy();
    int listingLimitMs() const;

    Timing m_timing;
    std::shared_ptr<Link> m_link;
    QString m_module;
    QString m_voice;
    int m_speed = 135;
    int m_volume = 100;
    quint64 m_nextRequest = 1;
    QHash<quint64, QString> m_waiting; // handed to the thread, not yet answered
    QSet<int> m_said;                  // accepted by the server, not yet over
    QSet<int> m_overEarly;             // over before their acceptance came back
    QTimer m_watch;
    QElapsedTimer m_lastLook;
    QElapsedTimer m_listing; // since the list asked for, while it is awaited
    bool m_reportedBusy = false;
};

} // namespace horavox

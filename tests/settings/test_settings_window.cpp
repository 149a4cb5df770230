// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/paths.h"
#include "core/program_state.h"
#include "core/time_texts.h"
#include "fake_clock.h"
#include "fake_speech_engine.h"
#include "settings/settings_codec.h"
#include "settings/settings_window.h"
#include "settings/title_strip.h"
#include "settings/time_box.h"
#include "settings/v_spinner.h"
#include "settings/wrap_check_box.h"
#include "settings_test_support.h"
#include "test_main.h"
#include "translations/interface_language.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <unistd.h>

using namespace horavox;
using horavox_test::FakeClock;
using horavox_test::FakeSpeechEngine;
using horavox_test::RecordingAnnouncer;
using horavox_test::RecordingMessageSink;

namespace {

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

void writeSettingsFile(const QByteArray &bytes)
{
    QDir().mkpath(configDir());
    QFile f(settingsFilePath());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readSettingsFile()
{
    QFile f(settingsFilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The settings window with fakes around it.
struct Rig
{
    ProgramState state;
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0, 30))};
    FakeSpeechEngine engine;
    RecordingMessageSink messages;
    RecordingAnnouncer announcer;
    Settings window{state, clock, engine, messages};

    Rig() { window.setAnnouncer(&announcer); }

    template<typename T>
    T *get(const QString &name)
    {
        window.makeControls();
        T *w = window.findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    template<typename T>
    T *get(const char *name)
    {
        return get<T>(QString::fromLatin1(name));
    }
    QList<QWidget *> controls(Qt::FindChildOptions options = Qt::FindChildrenRecursively)
    {
        window.makeControls();
        return window.findChildren<QWidget *>(options);
    }
    TimeBox *box(const char *name) { return get<TimeBox>(name); }
    VSpinner *spinner(const char *name) { return get<VSpinner>(name); }
    QCheckBox *check(const char *name) { return get<QCheckBox>(name); }
    QRadioButton *option(const char *name) { return get<QRadioButton>(name); }

    // One tick of the main window's clock: the short time handed over.
    void tick(int seconds = 1)
    {
        clock.advanceSecs(seconds);
        state.ShortTimeText = shortTimeText(clock.now().time());
        window.Command1();
    }

    void showAndActivate()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

const QStringList kEightTimeControls = {"StartHrText", "StartHrVscroll", "StartMinText", "StartMinVscroll",
                                        "EndHrText",   "EndHrVscroll",   "EndMinText",   "EndMinVscroll"};

} // namespace

class TestSettingsWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QFile::remove(settingsFilePath());
        QDir(settingsFilePath()).removeRecursively();
    }

    void layoutCaptionsAndPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::newRow("Frame1") << "Frame1" << "Voice" << QRect(8, 0, 177, 57);
        QTest::newRow("Option1") << "Option1" << "Say using TTS" << QRect(8, 16, 121, 17);
        QTest::newRow("Option2") << "Option2" << "Say using Real Speech" << QRect(8, 33, 161, 17);
        QTest::newRow("Frame2") << "Frame2" << "TTS Speed" << QRect(192, 0, 177, 57);
        QTest::newRow("Label4") << "Label4" << "Slow" << QRect(8, 24, 33, 17);
        QTest::newRow("HScroll1") << "HScroll1" << "" << QRect(33, 24, 107, 17);
        QTest::newRow("Label3") << "Label3" << "Fast" << QRect(144, 24, 25, 17);
        QTest::newRow("Frame3") << "Frame3" << "Announce Time Mode" << QRect(8, 64, 361, 107);
        QTest::newRow("Check1") << "Check1" << "Announce Time at Startup" << QRect(16, 80, 145, 17);
        QTest::newRow("Label7") << "Label7" << "Phrase to say before Time (TTS Only):" << QRect(8, 36, 145, 33);
        QTest::newRow("Text1") << "Text1" << "" << QRect(16, 129, 161, 19);
        QTest::newRow("Label10") << "Label10" << "Label10" << QRect(8, 88, 177, 17);
        QTest::newRow("Label1") << "Label1" << "Announce Between:" << QRect(208, 16, 97, 17);
        QTest::newRow("Label2") << "Label2" << "Hour" << QRect(208, 32, 33, 17);
        QTest::newRow("Label6") << "Label6" << "Minute" << QRect(256, 32, 33, 17);
        QTest::newRow("Label8") << "Label8" << "Start" << QRect(183, 50, 25, 17);
        QTest::newRow("Label9") << "Label9" << "End" << QRect(184, 82, 25, 17);
        QTest::newRow("StartHrText") << "StartHrText" << "" << QRect(208, 48, 25, 19);
        QTest::newRow("StartHrVscroll") << "StartHrVscroll" << "" << QRect(232, 48, 17, 19);
        QTest::newRow("StartMinText") << "StartMinText" << "" << QRect(256, 48, 25, 19);
        QTest::newRow("StartMinVscroll") << "StartMinVscroll" << "" << QRect(280, 48, 17, 19);
        QTest::newRow("Frame5") << "Frame5" << "" << QRect(296, 28, 57, 39);
        QTest::newRow("StartAMOption") << "StartAMOption" << "AM" << QRect(8, 8, 41, 17);
        QTest::newRow("StartPMOption") << "StartPMOption" << "PM" << QRect(8, 22, 41, 17);
        QTest::newRow("EndHrText") << "EndHrText" << "" << QRect(208, 80, 25, 19);
        QTest::newRow("EndHrVscroll") << "EndHrVscroll" << "" << QRect(232, 80, 17, 19);
        QTest::newRow("EndMinText") << "EndMinText" << "" << QRect(256, 80, 25, 19);
        QTest::newRow("EndMinVscroll") << "EndMinVscroll" << "" << QRect(280, 80, 17, 19);
        QTest::newRow("Frame6") << "Frame6" << "" << QRect(296, 64, 57, 40);
        QTest::newRow("EndAMOption") << "EndAMOption" << "AM" << QRect(8, 8, 41, 17);
        QTest::newRow("EndPMOption") << "EndPMOption" << "PM" << QRect(8, 22, 41, 17);
        QTest::newRow("Frame4") << "Frame4" << "Alarm Mode" << QRect(8, 176, 257, 41);
        QTest::newRow("Check4") << "Check4" << "Enable Alarm" << QRect(16, 192, 89, 17);
        QTest::newRow("TellTimeChk") << "TellTimeChk" << "Say Time after each interval" << QRect(96, 16, 153, 17);
        QTest::newRow("PlayBleepChk") << "PlayBleepChk" << "Play Sound Before" << QRect(280, 184, 81, 33);
    }
    void layoutCaptionsAndPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        Rig rig;
        QWidget *w = rig.get<QWidget>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->geometry(), place);
        QString text;
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            text = b->text();
        else if (auto *l = qobject_cast<QLabel *>(w))
            text = l->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            text = g->title();
        QCOMPARE(text, caption);
    }

    // The font is fitted when the window is first shown, not at start, and
    // then no one-line caption (the engine count the load wrote among them)
    // is wider than its control.
    void captionsFitOnceShown()
    {
        Rig rig;
        rig.engine.engines = 2;
        rig.window.load();
        QCOMPARE(rig.window.font(), QApplication::font());
        rig.showAndActivate();
        const QFont fitted = rig.window.font();
        QVERIFY(fitted != QApplication::font());
        const QFontMetrics fm(fitted);
        const int indicator = rig.window.style()->pixelMetric(QStyle::PM_IndicatorWidth)
                              + rig.window.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        int measured = 0;
        for (QWidget *w : rig.controls()) {
            QString text;
            int room = w->width();
            if (auto *b = qobject_cast<QAbstractButton *>(w); b && !qobject_cast<WrapCheckBox *>(w)) {
                text = b->text();
                room -= indicator;
            } else if (auto *l = qobject_cast<QLabel *>(w); l && !l->wordWrap()) {
                text = l->text();
            }
            if (text.isEmpty())
                continue;
            ++measured;
            QVERIFY2(fm.horizontalAdvance(text) <= room, qPrintable(w->objectName() + QLatin1String(": ") + text));
        }
        QVERIFY(measured > 10);
        QCOMPARE(rig.get<QLabel>("Label10")->text(), QStringLiteral("There are 2 TTS engines installed"));
        rig.window.hide();
        rig.window.show();
        QCOMPARE(rig.window.font(), fitted);
    }

    void windowFrame()
    {
        Rig rig;
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Horavox Settings"));
        QCOMPARE(rig.window.size(), QSize(374, 228));
        QCOMPARE(rig.window.minimumSize(), rig.window.maximumSize());
        const Qt::WindowFlags f = rig.window.windowFlags();
        QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
        QVERIFY(f & Qt::WindowCloseButtonHint);
        QCOMPARE(rig.window.windowType(), Qt::Dialog);
    }

    // Where the desktop's own title bar would offer minimise and maximise
    // anyway (Qt's on Wayland), the window carries a strip of its own above
    // the same controls, and that strip closes and drags it.
    void ownTitleStrip()
    {
        Rig rig;
        QHash<QWidget *, QRect> before;
        for (QWidget *w : rig.controls(Qt::FindDirectChildrenOnly))
            before.insert(w, w->geometry());
        TitleStrip *strip = TitleStrip::install(&rig.window);
        constexpr int h = TitleStrip::kHeight;

        QVERIFY(rig.window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(rig.window.windowType(), Qt::Dialog);
        QCOMPARE(rig.window.size(), QSize(374, 228 + h));
        QCOMPARE(rig.window.minimumSize(), rig.window.maximumSize());
        QCOMPARE(strip->geometry(), QRect(0, 0, 374, h));
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(it.key()->geometry(), it.value().translated(0, h));

        rig.showAndActivate();
        const QPoint start = rig.window.pos();
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(60, 10));
        QTest::mouseMove(strip, QPoint(90, 30));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(90, 30));
        QTRY_COMPARE(rig.window.pos(), start + QPoint(30, 20));

        // Closing only hides it: its controls are the settings.
        QTest::mouseClick(strip->closeButton(), Qt::LeftButton);
        QTRY_VERIFY(!rig.window.isVisible());
        QCOMPARE(rig.window.result(), int(QDialog::Rejected));
    }

    void spinnerStartPositionsAndRanges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("start");
        // Each spinner stands where its box, filled from the default file
        // (12 : 00 to 12 : 00), puts it.
        QTest::newRow("StartHrVscroll") << "StartHrVscroll" << 0 << 13 << 12;
        QTest::newRow("StartMinVscroll") << "StartMinVscroll" << -1 << 60 << 0;
        QTest::newRow("EndHrVscroll") << "EndHrVscroll" << 0 << 13 << 12;
        QTest::newRow("EndMinVscroll") << "EndMinVscroll" << -1 << 60 << 0;
    }
    void spinnerStartPositionsAndRanges()
    {
        QFETCH(QString, name);
        QFETCH(int, bottom);
        QFETCH(int, top);
        QFETCH(int, start);
        Rig rig;
        rig.window.load();
        VSpinner *s = rig.get<VSpinner>(name);
        QVERIFY(s);
        QCOMPARE(s->bottomValue(), bottom);
        QCOMPARE(s->topValue(), top);
        QCOMPARE(s->value(), start);
    }

    void noFileWritesDefaultsAndShowsThem()
    {
        QVERIFY(!QFile::exists(settingsFilePath()));
        Rig rig;
        rig.window.load();
        QCOMPARE(readSettingsFile(), settings_codec::defaultFile());
        QVERIFY(rig.option("Option2")->isChecked());
        QVERIFY(!rig.option("Option1")->isChecked());
        QVERIFY(rig.check("Check1")->isChecked());
        QCOMPARE(rig.box("StartHrText")->text(), QStringLiteral("12"));
        QCOMPARE(rig.box("StartMinText")->text(), QStringLiteral("00"));
        QVERIFY(rig.option("StartAMOption")->isChecked());
        QCOMPARE(rig.box("EndHrText")->text(), QStringLiteral("12"));
        QCOMPARE(rig.box("EndMinText")->text(), QStringLiteral("00"));
        QVERIFY(rig.option("EndAMOption")->isChecked());
        QVERIFY(!rig.check("PlayBleepChk")->isChecked());
        QVERIFY(!rig.check("Check4")->isChecked());
        QVERIFY(!rig.check("TellTimeChk")->isEnabled());
        QCOMPARE(rig.get<QSlider>("HScroll1")->value(), 135);
        QVERIFY(rig.messages.shown.isEmpty());
        QCOMPARE(rig.window.settingsFilePath(), settingsFilePath());
    }

    void existingFileIsLeftAlone()
    {
        const QByteArray odd = "garbage\nwithout\nlayout";
        writeSettingsFile(odd);
        Rig rig;
        rig.window.load();
        QCOMPARE(readSettingsFile(), odd);
    }

    void fileIntoControls_data()
    {
        QTest::addColumn<QStringList>("fileLines");
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<bool>("startPM");
        QTest::addColumn<bool>("endPM");
        QTest::addColumn<bool>("bleep");
        QTest::newRow("nine lines with T keep load speed and phrase")
            << QStringList{"T", "1", "9", "00", "A", "5", "00", "P", "1"} << true << 135 << "" << false << true
            << true;
        QTest::newRow("eleven lines with R read speed and phrase")
            << QStringList{"R", "180", "Hello", "1", "9", "00", "A", "5", "00", "P", "1"} << false << 180
            << "Hello" << false << true << true;
        QTest::newRow("ten lines: bleep unchecked")
            << QStringList{"T", "100", "Hi", "0", "9", "00", "P", "5", "00", "A"} << true << 100 << "Hi" << true
            << false << false;
        QTest::newRow("lower-case p and empty select PM")
            << QStringList{"R", "0", "9", "00", "p", "5", "00", "", "0"} << false << 135 << "" << true << true
            << false;
        QTest::newRow("speed out of range is clamped")
            << QStringList{"T", "400", "", "0", "9", "00", "A", "5", "00", "A", "0"} << true << 220 << ""
            << false << false << false;
    }
    void fileIntoControls()
    {
        QFETCH(QStringList, fileLines);
        QFETCH(bool, tts);
        QFETCH(int, speed);
        QFETCH(QString, phrase);
        QFETCH(bool, startPM);
        QFETCH(bool, endPM);
        QFETCH(bool, bleep);
        writeSettingsFile(crlf(fileLines));
        Rig rig;
        rig.window.load();
        QCOMPARE(rig.window.ttsSelected(), tts);
        QCOMPARE(rig.window.clipsSelected(), !tts);
        QCOMPARE(rig.window.speed(), speed);
        QCOMPARE(rig.window.phrase(), phrase);
        QCOMPARE(rig.option("StartPMOption")->isChecked(), startPM);
        QCOMPARE(rig.option("StartAMOption")->isChecked(), !startPM);
        QCOMPARE(rig.option("EndPMOption")->isChecked(), endPM);
        QCOMPARE(rig.window.playBleep(), bleep ? 1 : 0);
        // The voice choice ran its click behaviour.
        QCOMPARE(rig.get<QSlider>("HScroll1")->isEnabled(), tts);
    }

    void badValueInFileRaisesMessageWhileHidden_data()
    {
        QTest::addColumn<int>("line"); // 0-based in the nine-line layout
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<bool>("message");
        QTest::newRow("start hour 13") << 2 << "13" << "StartHrText" << true;
        QTest::newRow("start hour 12") << 2 << "12" << "StartHrText" << false;
        QTest::newRow("start minute 60") << 3 << "60" << "StartMinText" << true;
        QTest::newRow("start minute 59") << 3 << "59" << "StartMinText" << false;
        QTest::newRow("end hour 123 (longer than typing allows)") << 5 << "123" << "EndHrText" << true;
        QTest::newRow("end minute 99") << 6 << "99" << "EndMinText" << true;
        QTest::newRow("end hour 12.5") << 5 << "12.5" << "EndHrText" << true;
        QTest::newRow("text is not a number") << 5 << "ab" << "EndHrText" << false;
        QTest::newRow("negative hour") << 2 << "-3" << "StartHrText" << false;
    }
    void badValueInFileRaisesMessageWhileHidden()
    {
        QFETCH(int, line);
        QFETCH(QString, value);
        QFETCH(QString, boxName);
        QFETCH(bool, message);
        QStringList lines = {"R", "1", "12", "00", "A", "12", "00", "A", "0"};
        lines[line] = value;
        writeSettingsFile(crlf(lines));
        Rig rig;
        rig.window.load();
        TimeBox *box = rig.get<TimeBox>(boxName);
        QVERIFY(box);
        if (message) {
            QCOMPARE(rig.messages.shown.size(), 1);
            QCOMPARE(rig.messages.shown.at(0).first, QStringLiteral("Data Entry"));
            QCOMPARE(rig.messages.shown.at(0).second, QStringLiteral("Value is not valid"));
            QCOMPARE(box->text(), QString());
            QVERIFY(!box->hasFocus());
        } else {
            QVERIFY(rig.messages.shown.isEmpty());
            QCOMPARE(box->text(), value);
        }
    }

    void engineLabel_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("engines");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("frame2");
        QTest::newRow("one") << "en" << 1 << "There is 1 TTS engine installed" << "TTS Speed of voice \"slt\"";
        QTest::newRow("two") << "en" << 2 << "There are 2 TTS engines installed" << "TTS Speed of voice \"slt\"";
        QTest::newRow("three") << "en" << 3 << "There are 3 TTS engines installed" << "TTS Speed of voice \"slt\"";
        QTest::newRow("none") << "en" << 0 << "Label10" << "TTS Speed";
        QTest::newRow("faulty negative count") << "en" << -1 << "Label10" << "TTS Speed";
        // Russian has three forms, and 21 takes the form of 1.
        const QString ruFrame = QStringLiteral("Скорость речи голоса «slt»");
        QTest::newRow("ru one") << "ru" << 1 << "Установлен 1 синтезатор речи" << ruFrame;
        QTest::newRow("ru two") << "ru" << 2 << "Установлено 2 синтезатора речи" << ruFrame;
        QTest::newRow("ru five") << "ru" << 5 << "Установлено 5 синтезаторов речи" << ruFrame;
        QTest::newRow("ru twenty-one") << "ru" << 21 << "Установлен 21 синтезатор речи" << ruFrame;
        QTest::newRow("ru none") << "ru" << 0 << "Label10" << "Скорость речи";
        QTest::newRow("de one") << "de" << 1 << "1 Sprachsynthese installiert" << "Sprechtempo von „slt“";
        QTest::newRow("de two") << "de" << 2 << "2 Sprachsynthesen installiert" << "Sprechtempo von „slt“";
    }
    void engineLabel()
    {
        QFETCH(QString, language);
        QFETCH(int, engines);
        QFETCH(QString, label);
        QFETCH(QString, frame2);
        QCOMPARE(installInterfaceLanguage(language), language != QLatin1String("en"));
        const auto english = qScopeGuard([] { installInterfaceLanguage(QStringLiteral("en")); });
        Rig rig;
        rig.engine.engines = qint16(engines);
        rig.window.load();
        QCOMPARE(rig.get<QLabel>("Label10")->text(), label);
        QCOMPARE(rig.get<QGroupBox>("Frame2")->title(), frame2);
        QCOMPARE(rig.window.engineCount(), qint16(engines));
        QCOMPARE(rig.option("Option1")->isEnabled(), engines > 0);
    }

    void captionFollowsTheVoice_data()
    {
        QTest::addColumn<int>("engines");
        QTest::addColumn<QString>("atLoad");  // the engine's readable name when the window loads
        QTest::addColumn<QString>("chosen");  // then chosen; empty: none
        QTest::addColumn<QString>("caption"); // a name ending in "…" is cut short there
        const QString tooLong = QStringLiteral("English (United States), female, unit selection (flite)");
        QTest::newRow("another voice chosen")
            << 2 << "US female" << "US male 2" << "TTS Speed of voice \"US male 2\"";
        QTest::newRow("a name too long for the frame")
            << 2 << "US female" << tooLong << "TTS Speed of voice \"English (Unit\u2026\"";
        QTest::newRow("without an engine the frame names none")
            << 0 << "US female" << "UK male" << "TTS Speed";
    }
    void captionFollowsTheVoice()
    {
        QFETCH(int, engines);
        QFETCH(QString, atLoad);
        QFETCH(QString, chosen);
        QFETCH(QString, caption);
        Rig rig;
        rig.engine.engines = qint16(engines);
        rig.engine.readable = atLoad;
        rig.window.load();
        rig.window.show(); // cut to the frame once its font is fitted
        if (!chosen.isEmpty()) {
            rig.engine.readable = chosen;
            Q_EMIT rig.engine.currentVoiceChanged();
        }
        QGroupBox *frame = rig.get<QGroupBox>("Frame2");
        const QString title = frame->title();
        const qsizetype cut = caption.indexOf(QChar(0x2026));
        if (cut < 0) {
            QCOMPARE(title, caption);
        } else {
            // Cut where the frame ends, whatever the font.
            QVERIFY2(title.startsWith(caption.left(cut)) && title.endsWith(QStringLiteral("\u2026\"")), qPrintable(title));
            QVERIFY2(QFontMetrics(frame->font()).horizontalAdvance(title) < frame->width(), qPrintable(title));
        }
        // The tooltip names the voice in full.
        QCOMPARE(frame->toolTip(), engines <= 0 ? QString() : chosen.isEmpty() ? atLoad : chosen);
    }

    // With no engine the speech controls stay disabled, also after alarm
    // mode, which sets the phrase box's state, is switched on or off.
    // The program loads before the window has controls; they are made at the
    // first showing and must then hold what the load read.
    void controlsMadeAfterTheLoadAgree_data()
    {
        QTest::addColumn<QStringList>("fileLines");
        QTest::addColumn<int>("engines");
        QTest::newRow("recorded voice") << QStringList{"R", "1", "9", "05", "P", "5", "30", "A", "1"} << 2;
        QTest::newRow("speech, speed and phrase")
            << QStringList{"T", "180", "Now", "0", "9", "00", "A", "5", "00", "P", "0"} << 1;
        QTest::newRow("speed clamped, hour refused")
            << QStringList{"T", "400", "Hi", "0", "13", "00", "A", "5", "75", "P", "0"} << 2;
        QTest::newRow("no engine clears the phrase")
            << QStringList{"T", "90", "Hello", "1", "9", "00", "A", "5", "00", "A", "0"} << 0;
    }
    void controlsMadeAfterTheLoadAgree()
    {
        QFETCH(QStringList, fileLines);
        QFETCH(int, engines);
        writeSettingsFile(crlf(fileLines));
        Rig later;
        Rig first;
        for (Rig *rig : {&later, &first})
            rig->engine.engines = engines;
        first.window.makeControls();
        first.window.load();
        later.window.load();
        QVERIFY(!later.window.hasControls());
        const StoredSettings read = later.window.storedSettings();
        QCOMPARE(later.messages.shown, first.messages.shown);
        QVERIFY(read == first.window.storedSettings());
        QCOMPARE(later.window.speed(), first.window.speed());
        QCOMPARE(later.window.phrase(), first.window.phrase());
        QCOMPARE(later.window.ttsSelected(), first.window.ttsSelected());
        QCOMPARE(later.window.announceAtStartup(), first.window.announceAtStartup());
        QCOMPARE(later.announcer.calls, first.announcer.calls);

        QSignalSpy changed(&later.window, &Settings::settingsChanged);
        later.window.makeControls();
        QVERIFY(later.window.storedSettings() == read);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(later.messages.shown, first.messages.shown);
        for (const char *name : {"Option1", "HScroll1", "Text1", "TellTimeChk", "StartHrText", "StartHrVscroll"})
            QCOMPARE(later.get<QWidget>(name)->isEnabled(), first.get<QWidget>(name)->isEnabled());
        QCOMPARE(later.get<VSpinner>("EndMinVscroll")->value(), first.get<VSpinner>("EndMinVscroll")->value());
        QCOMPARE(later.get<QLabel>("Label10")->text(), first.get<QLabel>("Label10")->text());
        QCOMPARE(later.get<QGroupBox>("Frame2")->title(), first.get<QGroupBox>("Frame2")->title());
    }

    void noEngineWithTextToSpeechFile_data()
    {
        QTest::addColumn<int>("alarmClicks");
        QTest::newRow("as loaded") << 0;
        QTest::newRow("alarm mode on") << 1;
        QTest::newRow("alarm mode on and off") << 2;
    }
    void noEngineWithTextToSpeechFile()
    {
        QFETCH(int, alarmClicks);
        writeSettingsFile(crlf({"T", "180", "Hello there", "1", "12", "00", "A", "12", "00", "A", "0"}));
        Rig rig;
        rig.engine.engines = 0;
        rig.window.load();
        for (int i = 0; i < alarmClicks; ++i)
            rig.check("Check4")->click();
        QCOMPARE(rig.window.alarmMode(), alarmClicks % 2);
        QVERIFY(rig.option("Option1")->isChecked());
        QVERIFY(!rig.option("Option1")->isEnabled());
        QVERIFY(!rig.get<QSlider>("HScroll1")->isEnabled());
        QVERIFY(!rig.get<QLineEdit>("Text1")->isEnabled());
        QCOMPARE(rig.window.phrase(), QString());
        QVERIFY(rig.option("Option2")->isEnabled());
        // The recorded voice speaks in its place; the file keeps its choice.
        QVERIFY(!rig.window.ttsSelected());
        QVERIFY(rig.window.clipsSelected());
        QVERIFY(rig.window.storedSettings().tts);
    }

    void startupAnnouncementBeforeEngineCount()
    {
        Rig rig;
        QString labelDuringCall = QStringLiteral("<not called>");
        rig.announcer.onCall = [&](const QString &name) {
            if (name == QLatin1String("StartupSpeak"))
                labelDuringCall = rig.get<QLabel>("Label10")->text();
        };
        rig.window.load();
        QCOMPARE(rig.announcer.calls, QStringList{QStringLiteral("StartupSpeak")});
        QCOMPARE(labelDuringCall, QStringLiteral("Label10"));
    }

    void noStartupAnnouncementWhenUnchecked()
    {
        writeSettingsFile(crlf({"R", "0", "12", "00", "A", "12", "00", "A", "0"}));
        Rig rig;
        rig.window.load();
        QVERIFY(rig.announcer.calls.isEmpty());
        QCOMPARE(rig.window.announceAtStartup(), 0);
    }

    void loadWithoutAnnouncerIsSafe()
    {
        ProgramState state;
        FakeClock clock;
        FakeSpeechEngine engine;
        RecordingMessageSink messages;
        Settings window(state, clock, engine, messages);
        window.load();
        window.Command2();
        window.Command3();
        QVERIFY(window.clipsSelected());
    }

    void voiceOptionClicks()
    {
        writeSettingsFile(crlf({"T", "150", "Hi", "0", "12", "00", "A", "12", "00", "A", "0"}));
        Rig rig;
        rig.window.load();
        rig.showAndActivate();
        QSignalSpy lamps(&rig.window, &Settings::lampsToIdle);
        QSignalSpy changed(&rig.window, &Settings::settingsChanged);
        auto *slider = rig.get<QSlider>("HScroll1");
        auto *text1 = rig.get<QLineEdit>("Text1");

        QTest::mouseClick(rig.option("Option2"), Qt::LeftButton);
        QVERIFY(rig.window.clipsSelected());
        QCOMPARE(lamps.size(), 1);
        QVERIFY(!slider->isEnabled());
        QVERIFY(!text1->isEnabled());
        QVERIFY(changed.size() >= 1);

        QTest::mouseClick(rig.option("Option1"), Qt::LeftButton);
        QVERIFY(rig.window.ttsSelected());
        QVERIFY(!rig.window.clipsSelected());
        QCOMPARE(lamps.size(), 1); // Option1 leaves the lamps alone
        QVERIFY(slider->isEnabled());
        QVERIFY(text1->isEnabled());
        QCOMPARE(rig.window.phrase(), QStringLiteral("Hi"));
    }

    void optionPairsAreExclusive_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("start") << "StartAMOption" << "StartPMOption";
        QTest::newRow("end") << "EndAMOption" << "EndPMOption";
    }
    void optionPairsAreExclusive()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        Rig rig;
        rig.window.load();
        rig.showAndActivate();
        auto *a = rig.get<QRadioButton>(first);
        auto *b = rig.get<QRadioButton>(second);
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(b->isChecked());
        QVERIFY(!a->isChecked());
        // The other pairs are not touched.
        QVERIFY(rig.option("Option2")->isChecked());
        const QString otherAM = first == QLatin1String("StartAMOption") ? "EndAMOption" : "StartAMOption";
        QVERIFY(rig.get<QRadioButton>(otherAM)->isChecked());
        QTest::mouseClick(a, Qt::LeftButton);
        QVERIFY(a->isChecked());
        QVERIFY(!b->isChecked());
    }

    void alarmModeSwitch()
    {
        Rig rig;
        rig.window.load();
        rig.showAndActivate();
        QSignalSpy off(&rig.window, &Settings::alarmModeSwitchedOff);
        QCheckBox *check4 = rig.check("Check4");
        QCheckBox *check1 = rig.check("Check1");
        QVERIFY(check1->isChecked());

        QTest::mouseClick(check4, Qt::LeftButton);
        QCOMPARE(rig.window.alarmMode(), 1);
        QVERIFY(rig.check("TellTimeChk")->isEnabled());
        for (const QString &name : kEightTimeControls)
            QVERIFY2(!rig.get<QWidget>(name)->isEnabled(), qPrintable(name));
        QVERIFY(!check1->isEnabled());
        QVERIFY(check1->isChecked()); // its check mark stays
        for (const char *am : {"StartAMOption", "StartPMOption", "EndAMOption", "EndPMOption"})
            QVERIFY(rig.option(am)->isEnabled());
        QVERIFY(!rig.get<QLineEdit>("Text1")->isEnabled()); // recorded voice
        QCOMPARE(off.size(), 0);

        QTest::mouseClick(check4, Qt::LeftButton);
        QCOMPARE(rig.window.alarmMode(), 0);
        QCOMPARE(off.size(), 1);
        QVERIFY(!rig.check("TellTimeChk")->isEnabled());
        for (const QString &name : kEightTimeControls)
            QVERIFY2(rig.get<QWidget>(name)->isEnabled(), qPrintable(name));
        QVERIFY(check1->isEnabled());
    }

    void alarmModeKeepsPhraseBoxWithTextToSpeech()
    {
        writeSettingsFile(crlf({"T", "150", "", "0", "12", "00", "A", "12", "00", "A", "0"}));
        Rig rig;
        rig.window.load();
        rig.check("Check4")->setChecked(true);
        QVERIFY(rig.get<QLineEdit>("Text1")->isEnabled());
        rig.check("Check4")->setChecked(false);
        QVERIFY(rig.get<QLineEdit>("Text1")->isEnabled());
    }

    void checkingStartupAnnouncementEndsAlarmMode()
    {
        writeSettingsFile(crlf({"R", "0", "12", "00", "A", "12", "00", "A", "0"}));
        Rig rig;
        rig.window.load();
        QSignalSpy off(&rig.window, &Settings::alarmModeSwitchedOff);
        rig.check("Check4")->setChecked(true);
        rig.check("Check1")->setChecked(true);
        QCOMPARE(rig.window.alarmMode(), 0);
        QCOMPARE(off.size(), 1);
        // Unchecking it does nothing to alarm mode.
        rig.check("Check4")->setChecked(true);
        rig.check("Check1")->setChecked(false);
        QCOMPARE(rig.window.alarmMode(), 1);
    }

    void settingsChangedOnEveryControl()
    {
        Rig rig;
        rig.window.load();
        QSignalSpy changed(&rig.window, &Settings::settingsChanged);
        int expected = 0;
        auto step = [&](const char *what, const std::function<void()> &change) {
            change();
            QVERIFY2(changed.size() > expected, what);
            expected = changed.size();
        };
        step("HScroll1", [&] { rig.get<QSlider>("HScroll1")->setValue(160); });
        step("Text1", [&] { rig.get<QLineEdit>("Text1")->setText(QStringLiteral("x")); });
        step("Check1", [&] { rig.check("Check1")->setChecked(false); });
        step("Check4", [&] { rig.check("Check4")->setChecked(true); });
        step("TellTimeChk", [&] { rig.check("TellTimeChk")->setChecked(true); });
        step("PlayBleepChk", [&] { rig.check("PlayBleepChk")->setChecked(true); });
        step("StartPMOption", [&] { rig.option("StartPMOption")->setChecked(true); });
        step("EndPMOption", [&] { rig.option("EndPMOption")->setChecked(true); });
        step("StartHrText", [&] { rig.box("StartHrText")->setText(QStringLiteral("3")); });
        step("Option1", [&] { rig.option("Option1")->setChecked(true); });
    }

    void phraseStaysOneLine()
    {
        Rig rig;
        rig.window.load();
        rig.get<QLineEdit>("Text1")->setText(QStringLiteral("It is\nnow"));
        QCOMPARE(rig.window.phrase(), QStringLiteral("It is now"));
    }

    // An arrow steps from the value its box shows, however it got there.
    void spinnerClicks_data()
    {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("start hour 9, up") << "StartHrVscroll" << "StartHrText" << "9" << true << 1 << "10" << 10;
        QTest::newRow("start hour 12, down") << "StartHrVscroll" << "StartHrText" << "12" << false << 1 << "11" << 11;
        QTest::newRow("start hour 12, up wraps to 1") << "StartHrVscroll" << "StartHrText" << "12" << true << 1 << "1" << 1;
        QTest::newRow("start hour 1, down wraps to 12") << "StartHrVscroll" << "StartHrText" << "1" << false << 1 << "12" << 12;
        QTest::newRow("start hour 5, round the clock") << "StartHrVscroll" << "StartHrText" << "5" << true << 12 << "5" << 5;
        QTest::newRow("end hour 10, up twice") << "EndHrVscroll" << "EndHrText" << "10" << true << 2 << "12" << 12;
        QTest::newRow("end hour 10, down") << "EndHrVscroll" << "EndHrText" << "10" << false << 1 << "9" << 9;
        QTest::newRow("end hour empty counts as 12, up") << "EndHrVscroll" << "EndHrText" << "" << true << 1 << "1" << 1;
        QTest::newRow("end hour empty counts as 12, down") << "EndHrVscroll" << "EndHrText" << "" << false << 1 << "11" << 11;
        QTest::newRow("end minute 59, up wraps to 00") << "EndMinVscroll" << "EndMinText" << "59" << true << 1 << "00" << 0;
        QTest::newRow("end minute 30, down") << "EndMinVscroll" << "EndMinText" << "30" << false << 1 << "29" << 29;
        QTest::newRow("start minute 00, down wraps to 59") << "StartMinVscroll" << "StartMinText" << "00" << false << 1 << "59" << 59;
        QTest::newRow("start minute 7 typed, up is padded") << "StartMinVscroll" << "StartMinText" << "7" << true << 1 << "08" << 8;
        QTest::newRow("start minute empty, up") << "StartMinVscroll" << "StartMinText" << "" << true << 1 << "01" << 1;
    }
    void spinnerClicks()
    {
        QFETCH(QString, spinner);
        QFETCH(QString, boxName);
        QFETCH(QString, before);
        QFETCH(bool, up);
        QFETCH(int, clicks);
        QFETCH(QString, text);
        QFETCH(int, position);
        Rig rig;
        rig.window.load();
        rig.showAndActivate();
        VSpinner *s = rig.get<VSpinner>(spinner);
        TimeBox *box = rig.get<TimeBox>(boxName);
        box->setText(before);
        QCOMPARE(box->text(), before); // following the box does not rewrite it
        const QPoint at(s->width() / 2, up ? 3 : s->height() - 3);
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(s, Qt::LeftButton, {}, at);
        QCOMPARE(box->text(), text);
        QCOMPARE(s->value(), position);
        QVERIFY(rig.messages.shown.isEmpty());
    }

    void typedValues_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("messageAfter"); // 1-based key count, 0 = never
        QTest::addColumn<QString>("finalText");
        QTest::newRow("hour 13") << "StartHrText" << "13" << 2 << "";
        QTest::newRow("hour 12") << "EndHrText" << "12" << 0 << "12";
        QTest::newRow("hour 20") << "EndHrText" << "20" << 2 << "";
        QTest::newRow("minute 7 stays unpadded") << "StartMinText" << "7" << 0 << "7";
        QTest::newRow("minute 59") << "EndMinText" << "59" << 0 << "59";
        QTest::newRow("minute 60") << "EndMinText" << "60" << 2 << "";
        QTest::newRow("hour 1.3: the full stop is dropped") << "StartHrText" << "1.3" << 3 << "";
    }
    void typedValues()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(int, messageAfter);
        QFETCH(QString, finalText);
        Rig rig;
        rig.window.load();
        rig.showAndActivate();
        TimeBox *box = rig.get<TimeBox>(boxName);
        box->clear();
        rig.get<QLineEdit>("Text1")->setFocus();
        for (int i = 0; i < typed.size(); ++i) {
            QTest::keyClick(box, typed.at(i).toLatin1());
            const bool due = messageAfter != 0 && i + 1 >= messageAfter;
            QCOMPARE(rig.messages.shown.size(), due ? 1 : 0);
        }
        QCOMPARE(box->text(), finalText);
        if (messageAfter) {
            QCOMPARE(rig.messages.shown.at(0).first, QStringLiteral("Data Entry"));
            QCOMPARE(rig.messages.shown.at(0).second, QStringLiteral("Value is not valid"));
            QTRY_VERIFY(box->hasFocus());
        }
    }

    void messageSeesTheBadValueThenBoxEmpties()
    {
        Rig rig;
        rig.window.load();
        TimeBox *box = rig.box("EndMinText");
        QString during;
        rig.messages.whileShown = [&] { during = box->text(); };
        box->setText(QStringLiteral("75"));
        QCOMPARE(during, QStringLiteral("75"));
        QCOMPARE(box->text(), QString());
        QCOMPARE(rig.messages.shown.size(), 1);
    }

    void checkRangeReadsControlsAndClock_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("inside");
        QTest::newRow("start") << QTime(9, 0, 0) << true;
        QTest::newRow("before") << QTime(8, 59, 59) << false;
        QTest::newRow("end") << QTime(17, 0, 0) << true;
        QTest::newRow("after end") << QTime(17, 0, 1) << false;
    }
    void checkRangeReadsControlsAndClock()
    {
        QFETCH(QTime, now);
        QFETCH(bool, inside);
        writeSettingsFile(crlf({"R", "0", "9", "00", "A", "5", "00", "P", "0"}));
        Rig rig;
        rig.window.load();
        rig.clock.setTime(now);
        rig.state.InTimeWindow = !inside;
        rig.window.CheckRange();
        QCOMPARE(rig.state.InTimeWindow, inside);
    }

    void minuteTriggerOncePerMinute()
    {
        Rig rig; // starts at 09:00:30
        rig.window.load();
        rig.announcer.calls.clear();
        rig.state.AnnounceInterval = 15;
        // The rest of the start-up minute: no change, nothing runs.
        for (int i = 0; i < 29; ++i)
            rig.tick();
        QVERIFY(rig.announcer.calls.isEmpty());
        // Two minute changes in 90 ticks.
        for (int i = 0; i < 90; ++i)
            rig.tick();
        QCOMPARE(rig.announcer.calls, QStringList({"TTScheckTime", "TTScheckTime"}));
        QVERIFY(rig.state.InTimeWindow);
    }

    void startupMinuteIsPrimedByLoad()
    {
        Rig rig;
        rig.window.load();
        rig.announcer.calls.clear();
        rig.state.AnnounceInterval = 1;
        // The first tick hands over the minute the program started in.
        rig.state.ShortTimeText = shortTimeText(rig.clock.now().time());
        rig.window.Command1();
        QVERIFY(rig.announcer.calls.isEmpty());
    }

    void minuteTriggerRules_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QStringList>("fileLines");
        QTest::addColumn<bool>("runs");
        QTest::addColumn<bool>("checked"); // CheckRange ran (InTimeWindow was reset)
        const QStringList allDay = {"R", "0", "12", "00", "A", "12", "00", "A", "0"};
        const QStringList evening = {"R", "0", "6", "00", "P", "11", "00", "P", "0"};
        QTest::newRow("interval 0, hidden") << 0 << false << allDay << false << false;
        QTest::newRow("interval 0, shown") << 0 << true << allDay << false << false;
        QTest::newRow("hidden, inside") << 5 << false << allDay << true << true;
        QTest::newRow("hidden, outside") << 5 << false << evening << false << true;
        QTest::newRow("shown, outside: not held back") << 5 << true << evening << true << false;
        QTest::newRow("shown, inside") << 5 << true << allDay << true << false;
    }
    void minuteTriggerRules()
    {
        QFETCH(int, interval);
        QFETCH(bool, shown);
        QFETCH(QStringList, fileLines);
        QFETCH(bool, runs);
        QFETCH(bool, checked);
        writeSettingsFile(crlf(fileLines));
        Rig rig;
        rig.window.load();
        if (shown) {
            rig.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        }
        rig.state.AnnounceInterval = qint16(interval);
        rig.state.InTimeWindow = true; // so that a CheckRange outside shows
        rig.tick(60);
        QCOMPARE(rig.announcer.calls.contains(QStringLiteral("TTScheckTime")), runs);
        const bool evening = fileLines.at(4) == QLatin1String("P");
        QCOMPARE(rig.state.InTimeWindow, checked ? !evening : true);
    }

    void commandsReachTheAnnouncer()
    {
        Rig rig;
        rig.window.load();
        rig.announcer.calls.clear();
        rig.window.Command2();
        rig.window.Command3();
        rig.window.TTScheckTime();
        rig.window.TTSAlarm();
        rig.window.StartupSpeak();
        QCOMPARE(rig.announcer.calls,
                 QStringList({"TTScheckTime", "TTSAlarm", "TTScheckTime", "TTSAlarm", "StartupSpeak"}));
    }

    void closeBoxHidesAndKeepsState()
    {
        Rig rig;
        rig.window.load();
        QPointer<Settings> guard(&rig.window);
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        rig.check("Check4")->setChecked(true);
        rig.get<QLineEdit>("Text1")->setEnabled(true);
        rig.get<QLineEdit>("Text1")->setText(QStringLiteral("unsaved"));
        QVERIFY(!rig.window.close()); // refused: only hidden
        QVERIFY(guard);
        QVERIFY(rig.window.isHidden());
        rig.window.show();
        QCOMPARE(rig.window.alarmMode(), 1);
        QCOMPARE(rig.window.phrase(), QStringLiteral("unsaved"));
    }

    void closeBoxEndsModalShowing()
    {
        Rig rig;
        rig.window.load();
        int ticks = 0;
        QTimer timer; // stands for the main window's timers, which keep running
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (++ticks == 3)
                rig.window.close();
        });
        timer.start(10);
        rig.window.exec();
        QVERIFY(ticks >= 3);
        QVERIFY(rig.window.isHidden());
    }

    // The window opens with the focus on the chosen voice, whichever it is.
    void opensOnTheChosenVoice_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("recorded voice") << "Option2";
        QTest::newRow("text-to-speech") << "Option1";
    }
    void opensOnTheChosenVoice()
    {
        QFETCH(QString, chosen);
        Rig rig;
        rig.window.load();
        rig.option(qPrintable(chosen))->setChecked(true);
        QWidget *focused = nullptr;
        QTimer::singleShot(0, [&] {
            focused = QApplication::focusWidget() ? QApplication::focusWidget() : rig.window.focusWidget();
            rig.window.reject();
        });
        rig.window.exec();
        QVERIFY(focused);
        QCOMPARE(focused->objectName(), chosen);
    }

    void escapeHidesLikeTheCloseBox_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("window") << "";
        QTest::newRow("time box") << "StartHrText";
        QTest::newRow("phrase") << "Text1";
        QTest::newRow("check box") << "PlayBleepChk";
    }
    void escapeHidesLikeTheCloseBox()
    {
        QFETCH(QString, focus);
        Rig rig;
        rig.window.load();
        rig.option("Option1")->setChecked(true);
        rig.get<QLineEdit>("Text1")->setText(QStringLiteral("Now hear this"));
        QPointer<Settings> alive(&rig.window);
        QTimer::singleShot(0, [&] {
            QWidget *target = focus.isEmpty() ? static_cast<QWidget *>(&rig.window)
                                              : rig.get<QWidget>(focus);
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Escape);
        });
        bool forced = false; // a window that stays open fails the test instead of hanging it
        QTimer watchdog;
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            forced = true;
            rig.window.reject();
        });
        watchdog.start(5000);
        rig.window.exec();
        QVERIFY(!forced);
        QVERIFY(alive);
        QVERIFY(rig.window.isHidden());
        QCOMPARE(rig.window.phrase(), QStringLiteral("Now hear this"));
    }

    void closeForQuitLetsItGo()
    {
        Rig rig;
        rig.window.load();
        QCloseEvent refused;
        QCoreApplication::sendEvent(&rig.window, &refused);
        QVERIFY(!refused.isAccepted());

        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        rig.window.closeForQuit();
        QVERIFY(rig.window.isHidden());
        QCloseEvent accepted;
        QCoreApplication::sendEvent(&rig.window, &accepted);
        QVERIFY(accepted.isAccepted());
    }

    void writeSettingsFromControls()
    {
        Rig rig;
        rig.window.load();
        rig.option("Option1")->setChecked(true);
        rig.get<QSlider>("HScroll1")->setValue(180);
        rig.get<QLineEdit>("Text1")->setText(QStringLiteral("It is now"));
        rig.box("StartMinText")->clear();
        rig.option("EndPMOption")->setChecked(true);
        rig.box("EndHrText")->setText(QStringLiteral("5"));
        rig.check("PlayBleepChk")->setChecked(true);
        QVERIFY(rig.window.WriteSettings());
        QCOMPARE(readSettingsFile(), crlf({"T", "180", "It is now", "1", "12", "", "A", "5", "00", "P", "1"}));

        // Back to the recorded voice: speed and phrase are kept, and read
        // back unchanged after a restart.
        rig.option("Option2")->setChecked(true);
        QVERIFY(rig.window.WriteSettings());
        const QByteArray recorded = crlf({"R", "180", "It is now", "1", "12", "", "A", "5", "00", "P", "1"});
        QCOMPARE(readSettingsFile(), recorded);
        Rig again;
        again.window.load();
        QVERIFY(again.window.clipsSelected());
        QCOMPARE(again.window.phrase(), QStringLiteral("It is now"));
        QCOMPARE(again.window.speed(), 180);
        QVERIFY(again.window.WriteSettings());
        QCOMPARE(readSettingsFile(), recorded);

        // With the default speed and no phrase, the nine lines of old.
        again.get<QSlider>("HScroll1")->setValue(135);
        again.get<QLineEdit>("Text1")->clear();
        QVERIFY(again.window.WriteSettings());
        QCOMPARE(readSettingsFile(), crlf({"R", "1", "12", "", "A", "5", "00", "P", "1"}));
    }

    void emptyPhraseStillWritesElevenLines()
    {
        writeSettingsFile(crlf({"T", "135", "", "0", "12", "00", "A", "12", "00", "A", "0"}));
        Rig rig;
        rig.window.load();
        QVERIFY(rig.window.WriteSettings());
        QCOMPARE(readSettingsFile(), crlf({"T", "135", "", "0", "12", "00", "A", "12", "00", "A", "0"}));
    }

    // A file that is there but cannot be read whole: the run uses the
    // defaults, says why once, and never writes over the file.
    void unreadableFileLeavesDefaultsAndRunsOn_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << "folder" << "not an ordinary file";
        QTest::newRow("no read permission") << "mode0200" << "ermission denied";
        QTest::newRow("over the size cap") << "large" << "larger than";
    }
    void unreadableFileLeavesDefaultsAndRunsOn()
    {
        QFETCH(QString, shape);
        QFETCH(QString, reason);
        if (shape == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(settingsFilePath()));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot write the settings file"));
        } else {
            if (shape == QLatin1String("mode0200") && ::geteuid() == 0)
                QSKIP("file permissions do not bind the superuser");
            writeSettingsFile(shape == QLatin1String("large")
                                  ? crlf({"T", "180", QString(2 << 20, QLatin1Char('x')), "0", "9", "00", "A", "5", "00", "P", "1"})
                                  : crlf({"T", "180", "Mine", "0", "9", "00", "A", "5", "00", "P", "1"}));
            if (shape == QLatin1String("mode0200"))
                QVERIFY(QFile::setPermissions(settingsFilePath(), QFileDevice::WriteOwner));
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot read the settings file"));
        Rig rig;
        rig.window.load();
        QVERIFY(rig.window.clipsSelected());
        QCOMPARE(rig.window.announceAtStartup(), 1);
        QCOMPARE(rig.box("StartHrText")->text(), QStringLiteral("12"));
        QVERIFY(rig.option("EndAMOption")->isChecked());
        QCOMPARE(rig.messages.shown.size(), 1);
        QVERIFY2(rig.messages.shown.at(0).second.contains(settingsFilePath())
                     && rig.messages.shown.at(0).second.contains(reason),
                 qPrintable(rig.messages.shown.at(0).second));

        QFile::setPermissions(settingsFilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QByteArray before = readSettingsFile();
        QString why;
        QVERIFY(!rig.window.WriteSettings(&why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(readSettingsFile(), before);
        if (shape == QLatin1String("folder"))
            QVERIFY(QFileInfo(settingsFilePath()).isDir() && QDir().rmdir(settingsFilePath()));
    }
};

HORAVOX_TEST_MAIN(TestSettingsWindow)
#include "test_settings_window.moc"

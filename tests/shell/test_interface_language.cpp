// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows in every language the program ships: each translation file
// complete and true to its source's placeholders and keys, and no text cut
// off by the windows laid out to the pixel for English.
#include "about/about_window.h"
#include "../settings/settings_test_support.h"
#include "clock_window_rig.h"
#include "main_window/clock_access.h"
#include "quiet/quiet_controller.h"
#include "quiet/quiet_dialog.h"
#include "quiet/quiet_gate.h"
#include "settings/settings_window.h"
#include "settings/wrap_check_box.h"
#include "test_main.h"
#include "translations/interface_language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QXmlStreamReader>

using namespace horavox;
using namespace horavox_test;

namespace {

// Back to English whatever a row leaves installed.
struct English
{
    ~English() { installInterfaceLanguage(QStringLiteral("en")); }
};

QString shown(QString text)
{
    // "&Voice:" shows as "Voice:"; "&&" as one "&".
    return text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The widgets under `top` whose text does not fit the room they have.
QStringList cutOff(QWidget *top)
{
    QStringList cut;
    const auto note = [&](const QWidget *w, const QString &text) {
        cut << QStringLiteral("%1 \"%2\" in %3x%4").arg(w->objectName(), text).arg(w->width()).arg(w->height());
    };
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(top) || w->width() <= 0)
            continue;
        const QFontMetrics fm(w->font());
        if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty() && l->pixmap().isNull()) {
            const QRect room = l->contentsRect();
            const QString text = l->textFormat() == Qt::RichText ? l->text() : shown(l->text());
            const bool fits = l->wordWrap()
                                  ? fm.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height()
                                  : fm.horizontalAdvance(text) <= room.width();
            if (!fits)
                note(l, text);
        } else if (auto *b = qobject_cast<QAbstractButton *>(w); b && !b->text().isEmpty()) {
            const QString text = shown(b->text());
            bool fits = b->width() >= b->minimumSizeHint().width(); // a push button in a layout
            if (qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b)) {
                const int room = b->width() - b->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b)
                                 - b->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
                fits = qobject_cast<WrapCheckBox *>(b)
                           ? fm.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, text).height() <= b->height()
                           : fm.horizontalAdvance(text) <= room;
            }
            if (!fits)
                note(b, text);
        } else if (auto *g = qobject_cast<QGroupBox *>(w); g && !g->title().isEmpty()) {
            // Title, the frame's rounding on the left and a little air.
            if (fm.horizontalAdvance(g->title()) + 12 > g->width())
                note(g, g->title());
        } else if (auto *e = qobject_cast<QPlainTextEdit *>(w)) {
            // Read-only text that the reader would have to scroll to finish.
            if (e->verticalScrollBar()->maximum() > 0)
                note(e, e->toPlainText());
        }
    }
    return cut;
}

// Every kind of window the program shows, made as the program makes it.
struct Windows : ClockWindowRig
{
    QuietController quiet{clock};

    Windows() : ClockWindowRig(QByteArray(), QByteArray(), Load::NotAtAll)
    {
        // The longest caption the engine frame can carry: a count of ten.
        engine.engines = 10;
        form->Form_Load();
    }
    QWidget *open(const QString &which)
    {
        if (which == QLatin1String("main")) {
            form->show();
            return form.get();
        }
        if (which == QLatin1String("settings")) {
            form->settingsWindow()->show();
            return form->settingsWindow();
        }
        if (which == QLatin1String("about")) {
            form->openAbout();
            for (QWidget *w : QApplication::topLevelWidgets())
                if (qobject_cast<Form3 *>(w) && w->isVisible())
                    return w;
            return nullptr;
        }
        auto *dialog = new QuietDialog(quiet, form.get());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    }
};

// The placeholders ("%1", "%n") and the one keyboard key ("&") a text has.
QStringList marksOf(QString text)
{
    QStringList marks;
    static const QRegularExpression placeholder(QStringLiteral("%(?:\\d|n)"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        marks << it.next().captured();
    marks.sort();
    if (shown(text) != text.replace(QLatin1String("&&"), QString()))
        marks << QStringLiteral("&");
    return marks;
}

} // namespace

class TestInterfaceLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("englishTitle"); // the main window's is the Speak button's tooltip
        const std::pair<const char *, const char *> windows[] = {
            {"main", "Say Time"}, {"settings", "Horavox Settings"}, {"about", "About Horavox"},
            {"quiet", "Quiet times and voice"}};
        // English is the layout's own; the rest must live with its pixels.
        for (const char *language : {"en", "de", "ru", "fr", "es", "it", "nl", "pl", "pt-BR", "pt-PT"})
            for (const auto &[window, title] : windows)
                QTest::addRow("%s %s", language, window) << QString::fromLatin1(language)
                                                         << QString::fromLatin1(window) << QString::fromLatin1(title);
    }
    void textsFit()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        English restore;
        const bool english = language == QLatin1String("en");
        // The settings window takes a smaller font when a caption does not
        // fit; a translation must fit at the size English has.
        int englishFont = 0;
        if (window == QLatin1String("settings")) {
            Windows inEnglish;
            englishFont = inEnglish.open(window)->font().pixelSize();
        }
        QCOMPARE(installInterfaceLanguage(language), !english);
        Windows windows;
        QWidget *top = windows.open(window);
        QVERIFY(top);
        QVERIFY(QTest::qWaitForWindowExposed(top));
        // A row that fell back on English would prove nothing about its
        // language.
        QFETCH(QString, englishTitle);
        const QString title = window == QLatin1String("main")
                                  ? windows.form->findChild<QWidget *>(QStringLiteral("SpeakB"))->toolTip()
                                  : top->windowTitle();
        QCOMPARE(title == englishTitle, english);
        const QStringList cut = cutOff(top);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("; "))));
        if (englishFont)
            QCOMPARE(top->font().pixelSize(), englishFont);
        top->close();
    }

    // What a screen reader hears from the face, the slider and the quiet
    // notice: the translator's clock, the day's own name, and plural forms
    // that a count past 20 still picks by its last digit.
    void readings_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("notice"); // Monday 15:05, muted for an hour, no day chosen
        const QString ruNotice = QStringLiteral("Тишина: без звука до 16:05; понедельник: день исключён");
        QTest::newRow("de none") << "de" << 0 << "keine Ansagen" << "Ruhe: stumm bis 16:05; Montag ist ausgenommen";
        QTest::newRow("ru two") << "ru" << 2 << "2 минуты" << ruNotice;
        QTest::newRow("ru five") << "ru" << 5 << "5 минут" << ruNotice;
        QTest::newRow("ru twenty-one") << "ru" << 21 << "21 минута" << ruNotice;
    }
    void readings()
    {
        QFETCH(QString, language);
        QFETCH(int, minutes);
        QFETCH(QString, slider);
        QFETCH(QString, notice);
        English restore;
        QVERIFY(installInterfaceLanguage(language));
        QCOMPARE(intervalReading(minutes), slider);
        QCOMPARE(timeReading(QTime(15, 5)), QStringLiteral("15:05"));
        FakeClock clock(QDateTime(QDate(2026, 12, 7), QTime(15, 5)));
        QuietGate gate(clock);
        gate.setPreferences(QuietPreferences{.weekdays = 0});
        gate.muteForMinutes(60);
        QCOMPARE(gate.quietNotice(), notice);
    }

    void translationFilesFinished_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("pluralForms");
        const QStringList files = QStringLiteral(HORAVOX_TS_FILES).split(QLatin1Char('|'));
        QVERIFY(files.size() >= 9);
        for (const QString &path : files) {
            const QString name = QFileInfo(path).completeBaseName();
            // Polish and Russian say 1, 2 and 5 of a thing three ways.
            const bool three = name.endsWith(QLatin1String("_pl")) || name.endsWith(QLatin1String("_ru"));
            QTest::newRow(qPrintable(name)) << path << (three ? 3 : 2);
        }
    }
    void translationFilesFinished()
    {
        QFETCH(QString, path);
        QFETCH(int, pluralForms);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        QStringList translation;
        QString state;
        bool numerus = false;
        int messages = 0;
        QStringList faults;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                const auto tag = xml.name();
                if (tag == QLatin1String("name"))
                    context = xml.readElementText();
                else if (tag == QLatin1String("message")) {
                    numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                    source.clear();
                    translation.clear();
                } else if (tag == QLatin1String("source"))
                    source = xml.readElementText();
                else if (tag == QLatin1String("translation")) {
                    state = xml.attributes().value(QLatin1String("type")).toString();
                    if (!numerus)
                        translation << xml.readElementText();
                } else if (tag == QLatin1String("numerusform"))
                    translation << xml.readElementText();
            } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                ++messages;
                const QString where = context + QLatin1Char('/') + source + QLatin1String(": ");
                if (!state.isEmpty())
                    faults << where + state;
                if (translation.size() != (numerus ? pluralForms : 1))
                    faults << where + QStringLiteral("%1 forms").arg(translation.size());
                for (const QString &t : translation) {
                    if (t.trimmed().isEmpty())
                        faults << where + QStringLiteral("empty");
                    else if (marksOf(t) != marksOf(source))
                        faults << where + QStringLiteral("placeholders or key of \"%1\"").arg(t);
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    }
};

HORAVOX_TEST_MAIN(TestInterfaceLanguage)
#include "test_interface_language.moc"

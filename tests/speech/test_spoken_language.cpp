// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The time and elapsed-minutes sentences of each language, one table per
// language, at the hours and minutes where grammar changes: 0, 1 and 2
// (singular, dual, plural), 11 to 13 (noon, teens), 21 (a compound "one"),
// 23; minutes 1, 2, 21 and round ones; counts 1, 2, 5, 21, 22, 25. Each
// table's phrasing is cited beside its language in language_tables.cpp.
#include "speech/language/spoken_language.h"
#include "test_main.h"

using namespace horavox;

namespace {

void columns()
{
    QTest::addColumn<QString>("kind"); // time, 12h, elapsed, long (elapsed with the time)
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("sentence");
}

void at(int h, int m, const char16_t *s)
{
    QTest::addRow("%02d:%02d", h, m) << "time" << h << m << 0 << QString::fromUtf16(s);
}
void at12(int h, int m, const char16_t *s)
{
    QTest::addRow("%02d:%02d, 12-hour", h, m) << "12h" << h << m << 0 << QString::fromUtf16(s);
}
void elapsed(int n, const char16_t *s)
{
    QTest::addRow("%d elapsed", n) << "elapsed" << 0 << 0 << n << QString::fromUtf16(s);
}
// At 13:05, the alarm started at 12:50.
void elapsedWithTime(int n, const char16_t *s)
{
    QTest::addRow("%d elapsed, with the time", n) << "long" << 13 << 5 << n << QString::fromUtf16(s);
}

void check(const QString &code)
{
    QFETCH(QString, kind);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, count);
    QFETCH(QString, sentence);
    const QTime t(hour, minute);
    if (kind == QLatin1String("time") || kind == QLatin1String("12h"))
        QCOMPARE(spokenTimeSentence(code, QString(), t,
                                    kind == QLatin1String("12h") ? ClockStyle::TwelveHour : ClockStyle::Usual),
                 sentence);
    else
        QCOMPARE(spokenAlarmSentence(code, count, kind == QLatin1String("long"), QString(), t, "12:50 PM",
                                     ClockStyle::Usual),
                 sentence);
}

} // namespace

class TestSpokenLanguage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void german_data()
    {
        columns();
        at(0, 0, u"Es ist null Uhr");
        at(1, 0, u"Es ist ein Uhr");
        at(1, 1, u"Es ist ein Uhr eins");
        at(2, 2, u"Es ist zwei Uhr zwei");
        at(11, 5, u"Es ist elf Uhr fünf");
        at(12, 10, u"Es ist zwölf Uhr zehn");
        at(13, 21, u"Es ist dreizehn Uhr einundzwanzig");
        at(21, 45, u"Es ist einundzwanzig Uhr fünfundvierzig");
        at(23, 59, u"Es ist dreiundzwanzig Uhr neunundfünfzig");
        at12(13, 30, u"Es ist ein Uhr dreißig nachmittags");
        elapsed(1, u"Eine Minute ist vergangen");
        elapsed(2, u"Zwei Minuten sind vergangen");
        elapsed(5, u"Fünf Minuten sind vergangen");
        elapsed(21, u"Einundzwanzig Minuten sind vergangen");
        elapsed(22, u"Zweiundzwanzig Minuten sind vergangen");
        elapsedWithTime(25, u"Fünfundzwanzig Minuten sind vergangen. Es ist dreizehn Uhr fünf. Startzeit zwölf Uhr fünfzig");
    }
    void german() { check("de"); }

    void french_data()
    {
        columns();
        at(0, 0, u"Il est zéro heure");
        at(1, 1, u"Il est une heure une");
        at(2, 2, u"Il est deux heures deux");
        at(11, 15, u"Il est onze heures quinze");
        at(12, 30, u"Il est douze heures trente");
        at(13, 0, u"Il est treize heures");
        at(21, 21, u"Il est vingt-et-une heures vingt-et-une");
        at(23, 59, u"Il est vingt-trois heures cinquante-neuf");
        at12(21, 10, u"Il est neuf heures dix du soir");
        elapsed(1, u"Une minute s'est écoulée");
        elapsed(2, u"Deux minutes se sont écoulées");
        elapsed(5, u"Cinq minutes se sont écoulées");
        elapsed(21, u"Vingt-et-une minutes se sont écoulées");
        elapsed(22, u"Vingt-deux minutes se sont écoulées");
        elapsedWithTime(25, u"Vingt-cinq minutes se sont écoulées. Il est treize heures cinq. Heure de début : douze heures cinquante");
    }
    void french() { check("fr"); }

    void spanish_data()
    {
        columns();
        at(0, 5, u"Son las cero y cinco");
        at(1, 0, u"Es la una en punto");
        at(1, 1, u"Es la una y uno");
        at(2, 2, u"Son las dos y dos");
        at(11, 15, u"Son las once y quince");
        at(12, 0, u"Son las doce en punto");
        at(13, 21, u"Son las trece y veintiuno");
        at(21, 30, u"Son las veintiuna y treinta");
        at(23, 45, u"Son las veintitrés y cuarenta y cinco");
        at12(13, 10, u"Es la una y diez de la tarde");
        elapsed(1, u"Ha pasado un minuto");
        elapsed(2, u"Han pasado dos minutos");
        elapsed(5, u"Han pasado cinco minutos");
        elapsed(21, u"Han pasado veintiún minutos");
        elapsed(22, u"Han pasado veintidós minutos");
        elapsedWithTime(25, u"Han pasado veinticinco minutos. Son las trece y cinco. Hora de inicio: las doce y cincuenta");
    }
    void spanish() { check("es"); }

    void italian_data()
    {
        columns();
        at(0, 0, u"È mezzanotte");
        at(0, 21, u"È mezzanotte e ventuno");
        at(1, 0, u"È l'una");
        at(1, 1, u"È l'una e uno");
        at(2, 2, u"Sono le due e due");
        at(12, 15, u"Sono le dodici e quindici");
        at(13, 30, u"Sono le tredici e trenta");
        at(21, 21, u"Sono le ventuno e ventuno");
        at(23, 59, u"Sono le ventitré e cinquantanove");
        at12(0, 10, u"Sono le dodici e dieci di notte");
        elapsed(1, u"È passato un minuto");
        elapsed(2, u"Sono passati due minuti");
        elapsed(5, u"Sono passati cinque minuti");
        elapsed(21, u"Sono passati ventun minuti");
        elapsed(22, u"Sono passati ventidue minuti");
        elapsedWithTime(25, u"Sono passati venticinque minuti. Sono le tredici e cinque. Ora di inizio: le dodici e cinquanta");
    }
    void italian() { check("it"); }

    void dutch_data()
    {
        columns();
        at(0, 0, u"Het is nul uur");
        at(1, 0, u"Het is één uur");
        at(1, 1, u"Het is één uur één");
        at(2, 2, u"Het is twee uur twee");
        at(11, 45, u"Het is elf uur vijfenveertig");
        at(13, 21, u"Het is dertien uur eenentwintig");
        at(21, 10, u"Het is eenentwintig uur tien");
        at(23, 59, u"Het is drieëntwintig uur negenenvijftig");
        at12(23, 15, u"Het is elf uur vijftien 's avonds");
        elapsed(1, u"Er is één minuut verstreken");
        elapsed(2, u"Er zijn twee minuten verstreken");
        elapsed(5, u"Er zijn vijf minuten verstreken");
        elapsed(21, u"Er zijn eenentwintig minuten verstreken");
        elapsed(22, u"Er zijn tweeëntwintig minuten verstreken");
        elapsedWithTime(25, u"Er zijn vijfentwintig minuten verstreken. Het is dertien uur vijf. Begintijd twaalf uur vijftig");
    }
    void dutch() { check("nl"); }

    void polish_data()
    {
        columns();
        at(0, 0, u"Jest godzina zero");
        at(1, 1, u"Jest godzina pierwsza zero jeden");
        at(2, 2, u"Jest godzina druga zero dwa");
        at(11, 5, u"Jest godzina jedenasta zero pięć");
        at(12, 10, u"Jest godzina dwunasta dziesięć");
        at(13, 15, u"Jest godzina trzynasta piętnaście");
        at(21, 21, u"Jest godzina dwudziesta pierwsza dwadzieścia jeden");
        at(23, 59, u"Jest godzina dwudziesta trzecia pięćdziesiąt dziewięć");
        at12(14, 30, u"Jest godzina druga trzydzieści po południu");
        elapsed(1, u"Minęła jedna minuta");
        elapsed(2, u"Minęły dwie minuty");
        elapsed(5, u"Minęło pięć minut");
        elapsed(21, u"Minęło dwadzieścia jeden minut");
        elapsed(22, u"Minęły dwadzieścia dwie minuty");
        elapsedWithTime(25, u"Minęło dwadzieścia pięć minut. Jest godzina trzynasta zero pięć. Godzina rozpoczęcia dwunasta pięćdziesiąt");
    }
    void polish() { check("pl"); }

    void portugueseBrazil_data()
    {
        columns();
        at(0, 0, u"É zero hora");
        at(1, 1, u"É uma hora e um minuto");
        at(2, 2, u"São duas horas e dois minutos");
        at(12, 0, u"São doze horas");
        at(16, 21, u"São dezesseis horas e vinte e um minutos");
        at(21, 30, u"São vinte e uma horas e trinta minutos");
        at(23, 59, u"São vinte e três horas e cinquenta e nove minutos");
        at12(13, 15, u"É uma hora e quinze minutos da tarde");
        elapsed(1, u"Passou um minuto");
        elapsed(2, u"Passaram dois minutos");
        elapsed(5, u"Passaram cinco minutos");
        elapsed(21, u"Passaram vinte e um minutos");
        elapsed(22, u"Passaram vinte e dois minutos");
        elapsedWithTime(25, u"Passaram vinte e cinco minutos. São treze horas e cinco minutos. Hora de início: doze horas e cinquenta minutos");
    }
    void portugueseBrazil() { check("pt-BR"); }

    // Where Portugal differs: the plural of zero and the teens' spelling.
    void portuguesePortugal_data()
    {
        columns();
        at(0, 0, u"São zero horas");
        at(1, 0, u"É uma hora");
        at(16, 17, u"São dezasseis horas e dezassete minutos");
        at(19, 19, u"São dezanove horas e dezanove minutos");
        elapsed(1, u"Passou um minuto");
        elapsed(16, u"Passaram dezasseis minutos");
    }
    void portuguesePortugal() { check("pt-PT"); }

    void russian_data()
    {
        columns();
        at(0, 0, u"Сейчас ноль часов");
        at(1, 1, u"Сейчас один час одна минута");
        at(2, 2, u"Сейчас два часа две минуты");
        at(11, 5, u"Сейчас одиннадцать часов пять минут");
        at(12, 15, u"Сейчас двенадцать часов пятнадцать минут");
        at(13, 45, u"Сейчас тринадцать часов сорок пять минут");
        at(21, 21, u"Сейчас двадцать один час двадцать одна минута");
        at(23, 59, u"Сейчас двадцать три часа пятьдесят девять минут");
        at12(21, 30, u"Сейчас девять часов тридцать минут вечера");
        elapsed(1, u"Прошла одна минута");
        elapsed(2, u"Прошли две минуты");
        elapsed(5, u"Прошло пять минут");
        elapsed(21, u"Прошла двадцать одна минута");
        elapsed(22, u"Прошли двадцать две минуты");
        elapsedWithTime(25, u"Прошло двадцать пять минут. Сейчас тринадцать часов пять минут. Время начала двенадцать часов пятьдесят минут");
    }
    void russian() { check("ru"); }

    void japanese_data()
    {
        columns();
        at(0, 0, u"ただいま れいじ です");
        at(1, 1, u"ただいま いちじ いっぷん です");
        at(2, 2, u"ただいま にじ にふん です");
        at(4, 10, u"ただいま よじ じゅっぷん です");
        at(13, 21, u"ただいま じゅうさんじ にじゅういっぷん です");
        at(21, 30, u"ただいま にじゅういちじ さんじゅっぷん です");
        at(23, 59, u"ただいま にじゅうさんじ ごじゅうきゅうふん です");
        at12(13, 45, u"ただいま ごご いちじ よんじゅうごふん です");
        elapsed(1, u"いっぷん けいか しました");
        elapsed(2, u"にふん けいか しました");
        elapsed(5, u"ごふん けいか しました");
        elapsed(21, u"にじゅういっぷん けいか しました");
        elapsed(22, u"にじゅうにふん けいか しました");
        elapsedWithTime(25, u"にじゅうごふん けいか しました. ただいま じゅうさんじ ごふん です. かいし じこく じゅうにじ ごじゅっぷん です");
    }
    void japanese() { check("ja"); }

    // English is the sentence the clock always said; the 24-hour choice
    // reads the short time, the alarm's start on the same clock.
    void english_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("alarm");
        QTest::newRow("usual") << int(ClockStyle::Usual) << "" << "The Time is Now 05:04 PM"
                               << "5 minutes have elapsed. The Time is now 05:04 PM. Start Time 04:59 PM";
        QTest::newRow("24-hour") << int(ClockStyle::TwentyFourHour) << "" << "The Time is Now 17:04"
                                 << "5 minutes have elapsed. The Time is now 17:04. Start Time 16:59";
        QTest::newRow("own phrase") << int(ClockStyle::TwelveHour) << " It is " << " It is  05:04 PM"
                                    << "5 minutes have elapsed.  It is  05:04 PM. Start Time 04:59 PM";
    }
    void english()
    {
        QFETCH(int, style);
        QFETCH(QString, phrase);
        QFETCH(QString, time);
        QFETCH(QString, alarm);
        QCOMPARE(spokenTimeSentence("en", phrase, QTime(17, 4), ClockStyle(style)), time);
        QCOMPARE(spokenAlarmSentence("en", 5, true, phrase, QTime(17, 4), "04:59 PM", ClockStyle(style)), alarm);
    }

    void ownPhraseKeepsItsPlace()
    {
        QCOMPARE(spokenTimeSentence("de", " Jetzt ", QTime(13, 0), ClockStyle::Usual), " Jetzt  dreizehn Uhr");
        QCOMPARE(spokenAlarmSentence("ru", 2, true, "Время", QTime(1, 0), "", ClockStyle::Usual),
                 "Прошли две минуты. Время один час.");
    }

    void languageFromEnvironment_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcTime");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("LANG alone") << "" << "" << "" << "de_DE.UTF-8" << "de";
        QTest::newRow("LC_TIME over LANG") << "" << "" << "ru_RU.UTF-8" << "de_DE.UTF-8" << "ru";
        QTest::newRow("LC_ALL over LC_TIME") << "" << "fr_FR.UTF-8" << "ru_RU.UTF-8" << "" << "fr";
        QTest::newRow("LANGUAGE first") << "nl:de" << "" << "" << "de_DE.UTF-8" << "nl";
        QTest::newRow("LANGUAGE's first spoken one") << "sv:pl" << "" << "" << "de_DE.UTF-8" << "pl";
        QTest::newRow("LANGUAGE is passed over in C") << "de" << "" << "" << "C.UTF-8" << "en";
        QTest::newRow("Brazil by default") << "" << "" << "" << "pt.UTF-8" << "pt-BR";
        QTest::newRow("Portugal") << "" << "" << "" << "pt_PT@euro" << "pt-PT";
        QTest::newRow("not spoken") << "" << "" << "" << "sv_SE.UTF-8" << "en";
        QTest::newRow("nothing set") << "" << "" << "" << "" << "en";
    }
    void languageFromEnvironment()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcTime);
        QFETCH(QString, lang);
        QFETCH(QString, spoken);
        QCOMPARE(horavox::languageFromEnvironment(language, lcAll, lcTime, lang), spoken);
    }

    // What the program speaks: the run's language over the preference over
    // the desktop's, English where no voice speaks the one chosen.
    void currentLanguage_data()
    {
        QTest::addColumn<QString>("preferred");
        QTest::addColumn<QString>("forRun");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("the desktop's") << "" << "" << "fr";
        QTest::newRow("preferred") << "de" << "" << "de";
        QTest::newRow("preferred, not spoken: the desktop's") << "sv" << "" << "fr";
        QTest::newRow("for the run") << "de" << "pt-br" << "pt-BR";
        QTest::newRow("no voice installed: English") << "ru" << "" << "en";
    }
    void currentLanguage()
    {
        QFETCH(QString, preferred);
        QFETCH(QString, forRun);
        qputenv("LANGUAGE", "");
        qputenv("LC_ALL", "fr_CA.UTF-8");
        setSpeakableLanguages({"en", "de", "fr", "pt-BR"});
        setPreferredLanguage(preferred, ClockStyle::Usual);
        setLanguageForRun(forRun);
        QTEST(horavox::currentLanguage(), "spoken");
    }

    void usualClocks()
    {
        // The locale data's: only English, of these, reads a 12-hour clock.
        for (const QString &code : spokenLanguages())
            QVERIFY2(usesTwelveHourClock(code) == (code == "en"), qPrintable(code));
    }
};

HORAVOX_TEST_MAIN(TestSpokenLanguage)
#include "test_spoken_language.moc"

// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "glyphs.h"
#include "numeron_p.h"
#include "test_main.h"

#include <QSignalSpy>

#include <functional>

namespace {

QStringList names(const NumeronPrivate::PropertyBag &bag)
{
    QStringList out;
    for (const auto &entry : bag)
        out << entry.first;
    return out;
}

QRgb lit(int colour)
{
    static const QRgb shades[] = {qRgb(0, 255, 255), qRgb(0, 255, 0), qRgb(255, 0, 0)};
    return shades[colour];
}

using Setter = std::function<void(Numeron &)>;

} // namespace

Q_DECLARE_METATYPE(Setter)

class TestNumeronProperties : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void setRules_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");

        QTest::newRow("colour 5 is green") << "DigitColor" << 5 << int(Numeron::dgGreen);
        QTest::newRow("colour -1 is green") << "DigitColor" << -1 << int(Numeron::dgGreen);
        QTest::newRow("colour blue kept") << "DigitColor" << 0 << int(Numeron::dgBlue);
        QTest::newRow("colour red kept") << "DigitColor" << 2 << int(Numeron::dgRed);
        QTest::newRow("format 7 is general") << "DigitFormat" << 7 << int(Numeron::dgGeneral);
        QTest::newRow("format -1 is general") << "DigitFormat" << -1 << int(Numeron::dgGeneral);
        QTest::newRow("format decimal kept") << "DigitFormat" << 3 << int(Numeron::dgDecimal);
        QTest::newRow("justify 2 is right") << "DigitJustify" << 2 << int(Numeron::dgRight);
        QTest::newRow("justify -5 is right") << "DigitJustify" << -5 << int(Numeron::dgRight);
        QTest::newRow("justify left kept") << "DigitJustify" << 0 << int(Numeron::dgLeft);
        QTest::newRow("size 2 is large") << "DigitSize" << 2 << int(Numeron::dgLarge);
        QTest::newRow("size -1 is large") << "DigitSize" << -1 << int(Numeron::dgLarge);
        QTest::newRow("size small kept") << "DigitSize" << 0 << int(Numeron::dgSmall);
        QTest::newRow("places 0 is 1") << "DigitPlaceHolders" << 0 << 1;
        QTest::newRow("places -3 is 1") << "DigitPlaceHolders" << -3 << 1;
        QTest::newRow("places 7 kept") << "DigitPlaceHolders" << 7 << 7;
    }
    // Through the setters as a host calls them, and through the meta-object
    // as Designer and scripted hosts do.
    void setRules()
    {
        QFETCH(QString, property);
        QFETCH(int, value);
        QFETCH(int, stored);
        const QByteArray name = property.toLatin1();

        Numeron direct;
        if (property == QLatin1String("DigitColor"))
            direct.setDigitColor(value);
        else if (property == QLatin1String("DigitFormat"))
            direct.setDigitFormat(value);
        else if (property == QLatin1String("DigitJustify"))
            direct.setDigitJustify(value);
        else if (property == QLatin1String("DigitSize"))
            direct.setDigitSize(value);
        else
            direct.setDigitPlaceHolders(value);
        QCOMPARE(direct.property(name).toInt(), stored);

        Numeron viaProperty;
        QVERIFY(viaProperty.setProperty(name, value));
        QCOMPARE(viaProperty.property(name).toInt(), stored);
    }

    void everySetterNotifies_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("resizes");
        QTest::newRow("DigitFormat") << "DigitFormat" << QVariant(1) << true;
        QTest::newRow("DigitError") << "DigitError" << QVariant(true) << false;
        QTest::newRow("DigitColor") << "DigitColor" << QVariant(0) << true;
        QTest::newRow("DigitJustify") << "DigitJustify" << QVariant(0) << false;
        QTest::newRow("DigitOutLine") << "DigitOutLine" << QVariant(false) << true;
        QTest::newRow("DigitPlaceHolders") << "DigitPlaceHolders" << QVariant(6) << true;
        QTest::newRow("DigitSize") << "DigitSize" << QVariant(1) << true;
        QTest::newRow("DigitDisplay") << "DigitDisplay" << QVariant(QStringLiteral("77")) << false;
    }
    // Each set, even of the value already held, tells the host the property's
    // name once and redraws the face once; the Qt change signal comes only
    // with the first, real change.
    void everySetterNotifies()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QFETCH(bool, resizes);
        Numeron n;
        const QMetaProperty meta = n.metaObject()->property(n.metaObject()->indexOfProperty(property.toLatin1()));
        QVERIFY(meta.hasNotifySignal());
        QSignalSpy own(&n, meta.notifySignal());
        QSignalSpy named(&n, &Numeron::propertyChanged);

        for (int round = 1; round <= 2; ++round) {
            n.setMinimumSize(0, 0);
            n.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            n.resize(300, 40);
            const qint64 before = NumeronPrivate::get(&n)->face().cacheKey();
            QVERIFY(n.setProperty(property.toLatin1(), value));
            QCOMPARE(own.count(), 1);
            QCOMPARE(named.count(), round);
            QCOMPARE(named.last().first().toString(), property);
            QVERIFY(NumeronPrivate::get(&n)->face().cacheKey() != before);
            QCOMPARE(n.size() != QSize(300, 40), resizes);
        }
        if (value.typeId() == QMetaType::QString)
            QCOMPARE(n.property(property.toLatin1()).toString(), value.toString());
        else
            QCOMPARE(n.property(property.toLatin1()).toInt(), value.toInt());
    }

    void typedSettersAndSlots_data()
    {
        QTest::addColumn<Setter>("set");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("readBack");
        QTest::newRow("format") << Setter([](Numeron &n) { n.setDigitFormat(Numeron::dgDecimal); })
                                << "DigitFormat" << QVariant(int(Numeron::dgDecimal));
        QTest::newRow("colour") << Setter([](Numeron &n) { n.setDigitColor(Numeron::dgBlue); }) << "DigitColor"
                                << QVariant(int(Numeron::dgBlue));
        // A cast number takes the same correction as the int setter gives it.
        QTest::newRow("cast colour")
            << Setter([](Numeron &n) { n.setDigitColor(static_cast<Numeron::ColorConstants>(7)); }) << "DigitColor"
            << QVariant(int(Numeron::dgGreen));
        QTest::newRow("justify") << Setter([](Numeron &n) { n.setDigitJustify(Numeron::dgLeft); })
                                 << "DigitJustify" << QVariant(int(Numeron::dgLeft));
        QTest::newRow("size") << Setter([](Numeron &n) { n.setDigitSize(Numeron::dgLarge); }) << "DigitSize"
                              << QVariant(int(Numeron::dgLarge));
        QTest::newRow("display slot") << Setter([](Numeron &n) { QMetaObject::invokeMethod(&n, "display", Q_ARG(int, 42)); })
                                      << "DigitDisplay" << QVariant(QStringLiteral("42"));
        QTest::newRow("negative number") << Setter([](Numeron &n) { n.display(-7); }) << "DigitDisplay"
                                         << QVariant(QStringLiteral("-7"));
        QTest::newRow("accessible text")
            << Setter([](Numeron &n) { n.setDigitAccessibleText(QStringLiteral("15 minutes")); })
            << "DigitAccessibleText" << QVariant(QStringLiteral("15 minutes"));
    }
    // The property's NOTIFY signal comes once for a change and not again
    // when the same value is set once more.
    void typedSettersAndSlots()
    {
        QFETCH(Setter, set);
        QFETCH(QString, property);
        QFETCH(QVariant, readBack);
        Numeron n;
        const QMetaProperty meta = n.metaObject()->property(n.metaObject()->indexOfProperty(property.toLatin1()));
        QVERIFY(meta.hasNotifySignal());
        QSignalSpy notify(&n, meta.notifySignal());
        set(n);
        const QVariant shown = n.property(property.toLatin1());
        if (readBack.typeId() == QMetaType::QString)
            QCOMPARE(shown.toString(), readBack.toString());
        else
            QCOMPARE(shown.toInt(), readBack.toInt());
        QCOMPARE(notify.count(), 1);
        set(n);
        QCOMPARE(notify.count(), 1);
    }

    void notifyCarriesCorrectedValue()
    {
        Numeron n;
        QSignalSpy colour(&n, &Numeron::DigitColorChanged);
        n.setDigitColor(9);
        QCOMPARE(colour.count(), 1);
        QCOMPARE(colour.first().first().value<Numeron::ColorConstants>(), Numeron::dgGreen);
    }

    void displayKeepsTextAsAssigned()
    {
        Numeron n;
        n.setDigitDisplay(QStringLiteral("  12:34 PM "));
        QCOMPARE(n.DigitDisplay(), QStringLiteral("  12:34 PM "));
    }

    void constructedWithStoredDefaults()
    {
        Numeron n;
        QCOMPARE(n.DigitDisplay(), QStringLiteral("1234"));
        QCOMPARE(n.DigitPlaceHolders(), 4);
        QCOMPARE(n.DigitSize(), Numeron::dgSmall);
        QCOMPARE(n.DigitColor(), Numeron::dgRed);
        QCOMPARE(n.DigitOutLine(), true);
        QCOMPARE(n.DigitJustify(), Numeron::dgRight);
        QCOMPARE(n.DigitFormat(), Numeron::dgGeneral);
        QCOMPARE(n.DigitError(), false);
        QVERIFY(NumeronPrivate::get(&n)->writeProperties().isEmpty());
    }

    // A new instance shows "543" without being resized and without notifying.
    void newInstance()
    {
        Numeron n;
        n.setDigitFormat(Numeron::dgLongTime);
        n.setDigitColor(Numeron::dgBlue);
        n.setDigitError(true);
        n.setMinimumSize(0, 0);
        n.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        n.resize(100, 40);
        QSignalSpy named(&n, &Numeron::propertyChanged);
        NumeronPrivate::get(&n)->initNewInstance();
        QCOMPARE(named.count(), 0);
        QCOMPARE(n.size(), QSize(100, 40));
        QCOMPARE(n.DigitDisplay(), QStringLiteral("543"));
        QCOMPARE(n.DigitColor(), Numeron::dgRed);
        QCOMPARE(n.DigitFormat(), Numeron::dgGeneral);
        QCOMPARE(n.DigitError(), false);
        QCOMPARE(NumeronPrivate::get(&n)->face().size(), QSize(100, 40));
        const NumeronPrivate::PropertyBag bag = NumeronPrivate::get(&n)->writeProperties();
        QCOMPARE(bag.size(), 1);
        QCOMPARE(bag.first().first, QStringLiteral("DigitDisplay"));
        QCOMPARE(bag.first().second.toString(), QStringLiteral("543"));
    }

    // The host's design values save as exactly the four that differ, in order.
    void hostDesignSaves()
    {
        Numeron n;
        n.setDigitDisplay(QStringLiteral("543"));
        n.setDigitColor(Numeron::dgGreen);
        n.setDigitOutLine(false);
        n.setDigitFormat(Numeron::dgLongTime);
        n.setDigitSize(Numeron::dgSmall);
        const NumeronPrivate::PropertyBag bag = NumeronPrivate::get(&n)->writeProperties();
        QCOMPARE(names(bag), (QStringList{"DigitDisplay", "DigitColor", "DigitOutLine", "DigitFormat"}));
        QCOMPARE(bag.at(1).second.toInt(), 1);
        QCOMPARE(bag.at(2).second.toBool(), false);
        QCOMPARE(bag.at(3).second.toInt(), 2);
    }

    void roundTripInOrder()
    {
        Numeron a;
        a.setDigitDisplay(QStringLiteral("-42"));
        a.setDigitPlaceHolders(6);
        a.setDigitSize(Numeron::dgLarge);
        a.setDigitColor(Numeron::dgBlue);
        a.setDigitOutLine(false);
        a.setDigitJustify(Numeron::dgLeft);
        a.setDigitFormat(Numeron::dgDecimal);
        a.setDigitError(true);
        const NumeronPrivate::PropertyBag bag = NumeronPrivate::get(&a)->writeProperties();
        QCOMPARE(names(bag), (QStringList{"DigitDisplay", "DigitPlaceHolders", "DigitSize", "DigitColor",
                                          "DigitOutLine", "DigitJustify", "DigitFormat", "DigitError"}));
        QCOMPARE(bag.at(1).second.typeId(), QMetaType::Short);

        Numeron b;
        QSignalSpy named(&b, &Numeron::propertyChanged);
        QVERIFY(NumeronPrivate::get(&b)->readProperties(bag));
        QCOMPARE(named.count(), 0);
        for (const char *name : {"DigitDisplay", "DigitPlaceHolders", "DigitSize", "DigitColor", "DigitOutLine",
                                 "DigitJustify", "DigitFormat", "DigitError"})
            QCOMPARE(b.property(name), a.property(name));
        QCOMPARE(b.size(), a.size());
        QCOMPARE(NumeronPrivate::get(&b)->face(), NumeronPrivate::get(&a)->face());
        QCOMPARE(NumeronPrivate::get(&b)->writeProperties(), bag);
    }

    // Names left out of the bag take their defaults, whatever was there before.
    void missingNamesGiveDefaults()
    {
        Numeron n;
        n.setDigitDisplay(QStringLiteral("99"));
        n.setDigitPlaceHolders(2);
        n.setDigitSize(Numeron::dgLarge);
        n.setDigitOutLine(false);
        n.setDigitError(true);
        QVERIFY(NumeronPrivate::get(&n)->readProperties({{QStringLiteral("DigitColor"), 0}}));
        QCOMPARE(n.DigitColor(), Numeron::dgBlue);
        QCOMPARE(n.DigitDisplay(), QStringLiteral("1234"));
        QCOMPARE(n.DigitPlaceHolders(), 4);
        QCOMPARE(n.DigitSize(), Numeron::dgSmall);
        QCOMPARE(n.DigitOutLine(), true);
        QCOMPARE(n.DigitError(), false);
        QCOMPARE(n.size(), QSize(54, 23));
        QVERIFY(NumeronPrivate::get(&n)->readProperties({}));
        QVERIFY(NumeronPrivate::get(&n)->writeProperties().isEmpty());
    }

    void unreadableValuesGiveDefaults()
    {
        Numeron n;
        QVERIFY(NumeronPrivate::get(&n)->readProperties({{QStringLiteral("DigitSize"), QStringLiteral("large")},
                                  {QStringLiteral("DigitPlaceHolders"), QVariant()},
                                  {QStringLiteral("DigitColor"), QStringLiteral("1")}}));
        QCOMPARE(n.DigitSize(), Numeron::dgSmall);
        QCOMPARE(n.DigitPlaceHolders(), 4);
        QCOMPARE(n.DigitColor(), Numeron::dgGreen);
    }

    void loadedValuesOutOfRange_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("justify");
        QTest::addColumn<int>("places");
        QTest::addColumn<QSize>("face");
        QTest::addColumn<int>("drawnColour");
        QTest::newRow("size and colour too big") << 5 << 7 << 0 << 1 << 4 << QSize(72, 27) << 1;
        QTest::newRow("negative everything") << -1 << -9 << -2 << -3 << -4 << QSize(18, 27) << 1;
        QTest::newRow("huge numbers") << 1 << 2000000000 << 99 << 1 << 3 << QSize(54, 27) << 1;
        QTest::newRow("in range") << 0 << 0 << 0 << 0 << 2 << QSize(26, 21) << 0;
    }
    // Loaded values are kept as they are, yet drawn the way the setters would
    // correct them: always from inside the strip.
    void loadedValuesOutOfRange()
    {
        QFETCH(int, size);
        QFETCH(int, colour);
        QFETCH(int, format);
        QFETCH(int, justify);
        QFETCH(int, places);
        QFETCH(QSize, face);
        QFETCH(int, drawnColour);
        Numeron n;
        QVERIFY(NumeronPrivate::get(&n)->readProperties({{QStringLiteral("DigitDisplay"), QStringLiteral("8888888")},
                                  {QStringLiteral("DigitPlaceHolders"), places},
                                  {QStringLiteral("DigitSize"), size},
                                  {QStringLiteral("DigitColor"), colour},
                                  {QStringLiteral("DigitOutLine"), false},
                                  {QStringLiteral("DigitJustify"), justify},
                                  {QStringLiteral("DigitFormat"), format}}));
        QCOMPARE(int(n.DigitSize()), size);
        QCOMPARE(int(n.DigitColor()), colour);
        QCOMPARE(int(n.DigitFormat()), format);
        QCOMPARE(n.DigitPlaceHolders(), places);
        QCOMPARE(n.size(), face);
        QCOMPARE(NumeronPrivate::get(&n)->face().size(), face);
        // The top segment of the first "8", in the middle of its length.
        QCOMPARE(NumeronPrivate::get(&n)->face().pixel(face.height() == 27 ? 8 : 6, 2), lit(drawnColour));
        // Loaded values also save back unchanged.
        const NumeronPrivate::PropertyBag bag = NumeronPrivate::get(&n)->writeProperties();
        for (const auto &entry : bag) {
            if (entry.first != QLatin1String("DigitDisplay") && entry.first != QLatin1String("DigitOutLine"))
                QCOMPARE(entry.second.toInt(), n.property(entry.first.toLatin1()).toInt());
        }
    }

    void loadThatOverflows()
    {
        Numeron n;
        QSignalSpy errors(&n, &Numeron::errorOccurred);
        QVERIFY(!NumeronPrivate::get(&n)->readProperties({{QStringLiteral("DigitPlaceHolders"), 100000}}));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(n.DigitPlaceHolders(), 32767);
        QCOMPARE(n.size(), QSize(54, 23));
        QVERIFY(!n.lastError().isEmpty());
        n.grab(); // paints the last good face without trouble

        // While the loaded face cannot be measured, even a colour is refused.
        // (Painting delivered the pending resize, which reported once more.)
        QSignalSpy colour(&n, &Numeron::DigitColorChanged);
        const int reported = errors.count();
        n.setDigitColor(Numeron::dgBlue);
        QCOMPARE(n.DigitColor(), Numeron::dgRed);
        QCOMPARE(colour.count(), 0);
        QCOMPARE(errors.count(), reported + 1);

        // Back within range, the face follows again.
        QVERIFY(NumeronPrivate::get(&n)->readProperties({{QStringLiteral("DigitPlaceHolders"), 2}}));
        QCOMPARE(n.size(), QSize(28, 23));
        QVERIFY(n.lastError().isEmpty());
    }
};

HORAVOX_TEST_MAIN(TestNumeronProperties)
#include "test_numeron_properties.moc"

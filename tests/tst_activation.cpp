// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "activation.h"
#include "random.h"

#include <cmath>
#include <random>
#include <vector>

using namespace quimbra;

// When a window counts as activated, and the random source the windows draw
// their data from.
class tst_Activation final : public QObject
{
    Q_OBJECT

private slots:
    void eventScript_data();
    void eventScript();

    void scaledDrawStaysInRange_data();
    void scaledDrawStaysInRange();
    void drawsStayBelowOne_data();
    void drawsStayBelowOne();
    void sameSeedSameSequence_data();
    void sameSeedSameSequence();
    void differentSeedDifferentSequence_data();
    void differentSeedDifferentSequence();
};

namespace {

// Stand-ins for the program's windows: only their addresses matter.
int menuWindow = 1;
int windowA = 2;
int windowB = 3;
int stepView = 4;
int otherStepView = 5;

ActivationRule::Key keyNamed(const QString &name)
{
    if (name == QLatin1String("A"))
        return &windowA;
    if (name == QLatin1String("B"))
        return &windowB;
    if (name == QLatin1String("M"))
        return &menuWindow;
    if (name == QLatin1String("S"))
        return &stepView;
    if (name == QLatin1String("T"))
        return &otherStepView;
    if (name == QLatin1String("none"))
        return nullptr;
    qFatal("unknown window name %s", qPrintable(name));
}

} // namespace

// Each script is a list of steps:
//   "show X yes"     the program showed X (always an activation),
//   "focus X yes|no" the focus moved to X, "none" being something not ours,
//   "close X"        X was unloaded.
// M is the main menu, A and B two demonstration windows, S and T two step
// views (windows of the program that have no activation step of their own).
void tst_Activation::eventScript_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("finalActive");

    QTest::newRow("menu shows A, then its focus arrives")
        << QStringList{"show A yes", "focus A no"} << "A";
    QTest::newRow("focus arrives twice for one showing")
        << QStringList{"show A yes", "focus A no", "focus A no"} << "A";
    QTest::newRow("A, click on the menu, click back on A")
        << QStringList{"show A yes", "focus A no", "focus M yes", "focus A yes"} << "A";
    QTest::newRow("A, menu button shows A again")
        << QStringList{"show A yes", "focus A no", "focus M yes", "show A yes", "focus A no"} << "A";
    QTest::newRow("A, another application, back to A")
        << QStringList{"show A yes", "focus A no", "focus none no", "focus A no"} << "A";
    QTest::newRow("A, message box, back to A")
        << QStringList{"show B yes", "focus B no", "focus A yes", "focus none no", "focus A no"}
        << "A";
    QTest::newRow("A, another application, then B")
        << QStringList{"show A yes", "focus A no", "focus none no", "focus B yes"} << "B";
    QTest::newRow("menu shows A, focus never delivered, user clicks B")
        << QStringList{"show A yes", "focus B yes"} << "B";
    QTest::newRow("menu shows A, focus goes to B first, then A")
        << QStringList{"show A yes", "focus B yes", "focus A yes"} << "A";
    QTest::newRow("menu shows A, another application takes focus, back to A")
        << QStringList{"show A yes", "focus none no", "focus A no"} << "A";
    QTest::newRow("shown twice before the focus arrives")
        << QStringList{"show A yes", "show A yes", "focus A no"} << "A";
    QTest::newRow("first focus ever activates")
        << QStringList{"focus M yes"} << "M";
    QTest::newRow("A closed, focus to B")
        << QStringList{"show A yes", "focus A no", "close A", "focus B yes"} << "B";
    QTest::newRow("A closed, focus back to B that was active before")
        << QStringList{"show B yes", "focus B no", "show A yes", "focus A no", "close A",
                       "focus B yes"}
        << "B";
    QTest::newRow("A closed, another application, then B")
        << QStringList{"show A yes", "focus A no", "close A", "focus none no", "focus B yes"}
        << "B";
    QTest::newRow("A closed, then shown again")
        << QStringList{"show A yes", "focus A no", "close A", "show A yes", "focus A no"} << "A";
    QTest::newRow("A closed before its focus arrived, then shown again")
        << QStringList{"show A yes", "close A", "show A yes", "focus A no"} << "A";
    QTest::newRow("closing another window keeps A active")
        << QStringList{"show B yes", "focus B no", "show A yes", "focus A no", "close B",
                       "focus none no", "focus A no"}
        << "A";
    QTest::newRow("A closed, nothing active")
        << QStringList{"show A yes", "focus A no", "close A"} << "none";
    QTest::newRow("A opens step view S, back to A")
        << QStringList{"show A yes", "focus A no", "show S yes", "focus S no", "focus A yes"}
        << "A";
    QTest::newRow("step view S, another application, back to S")
        << QStringList{"show S yes", "focus S no", "focus none no", "focus S no"} << "S";
    QTest::newRow("step view S, another application, then A")
        << QStringList{"show A yes", "focus A no", "show S yes", "focus S no", "focus none no",
                       "focus A yes"}
        << "A";
    QTest::newRow("two step views side by side")
        << QStringList{"show S yes", "focus S no", "show T yes", "focus T no", "focus S yes",
                       "focus T yes"}
        << "T";
    QTest::newRow("step view S closed, focus back to A that opened it")
        << QStringList{"show A yes", "focus A no", "show S yes", "focus S no", "close S",
                       "focus A yes"}
        << "A";
    QTest::newRow("A closed while its step view S is open, S stays ours")
        << QStringList{"show A yes", "focus A no", "show S yes", "focus S no", "close A",
                       "focus M yes", "focus S yes"}
        << "S";
}

void tst_Activation::eventScript()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, finalActive);

    ActivationRule rule;
    for (int i = 0; i < steps.size(); ++i) {
        const QStringList words = steps.at(i).split(QLatin1Char(' '));
        const QString where = QStringLiteral("step %1: %2").arg(i + 1).arg(steps.at(i));
        const ActivationRule::Key key = keyNamed(words.at(1));
        if (words.at(0) == QLatin1String("close")) {
            rule.closed(key);
            QVERIFY2(rule.active() != key || key == nullptr, qPrintable(where));
            continue;
        }
        const bool expected = words.at(2) == QLatin1String("yes");
        bool got = false;
        if (words.at(0) == QLatin1String("show"))
            got = rule.shown(key);
        else if (words.at(0) == QLatin1String("focus"))
            got = rule.focusMovedTo(key);
        else
            QFAIL(qPrintable("unknown step " + where));
        QVERIFY2(got == expected, qPrintable(where + (got ? " activated" : " did not activate")));
    }
    QVERIFY(rule.active() == keyNamed(finalActive));
}

void tst_Activation::scaledDrawStaysInRange_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("expected");

    const double largestBelowOne = 1.0 - std::ldexp(1.0, -53);
    QTest::newRow("zero") << 0.0 << 1000 << 0;
    QTest::newRow("half of 1000") << 0.5 << 1000 << 500;
    QTest::newRow("quarter of 31") << 0.25 << 31 << 7;
    QTest::newRow("just below one, m = 1") << largestBelowOne << 1 << 0;
    QTest::newRow("just below one, m = 2") << largestBelowOne << 2 << 1;
    QTest::newRow("just below one, m = 3") << largestBelowOne << 3 << 2;
    QTest::newRow("just below one, m = 31") << largestBelowOne << 31 << 30;
    QTest::newRow("just below one, m = 1000") << largestBelowOne << 1000 << 999;
    QTest::newRow("just below one, m = 1024") << largestBelowOne << 1024 << 1023;
    QTest::newRow("just below one, m = 10000") << largestBelowOne << 10000 << 9999;
    QTest::newRow("just below one, m = 32767") << largestBelowOne << 32767 << 32766;
    QTest::newRow("single-precision largest below one, m = 10000")
        << double(1.0f - std::ldexp(1.0f, -24)) << 10000 << 9999;
}

void tst_Activation::scaledDrawStaysInRange()
{
    QFETCH(double, r);
    QFETCH(int, m);
    QFETCH(int, expected);
    QCOMPARE(scaledDraw(r, m), expected);
}

void tst_Activation::drawsStayBelowOne_data()
{
    QTest::addColumn<float>("seed");

    QTest::newRow("midnight") << 0.0f;
    QTest::newRow("morning with fraction") << 36000.25f;
    QTest::newRow("last second of the day") << 86399.99f;
}

void tst_Activation::drawsStayBelowOne()
{
    QFETCH(float, seed);
    MersenneRandom random;
    random.seed(seed);

    const int draws = 200000;
    std::vector<int> buckets(10, 0);
    double sum = 0;
    for (int i = 0; i < draws; ++i) {
        const double r = random.next();
        QVERIFY2(r >= 0.0 && r < 1.0, qPrintable(QString::number(r, 'g', 17)));
        sum += r;
        ++buckets[scaledDraw(r, 10)];
    }
    // Uniform enough that every tenth of the range is used about as often.
    QVERIFY(std::abs(sum / draws - 0.5) < 0.01);
    for (int b = 0; b < 10; ++b)
        QVERIFY2(std::abs(buckets[b] - draws / 10) < draws / 100, qPrintable(QString::number(b)));
}

void tst_Activation::sameSeedSameSequence_data()
{
    QTest::addColumn<float>("seed");
    QTest::addColumn<quint32>("bits"); // the float's IEEE 754 bits: the engine's seed

    QTest::newRow("midnight") << 0.0f << quint32(0x00000000);
    QTest::newRow("noon and a half second") << 43200.5f << quint32(0x4728c080);
    QTest::newRow("evening") << 72000.75f << quint32(0x478ca060);
}

void tst_Activation::sameSeedSameSequence()
{
    QFETCH(float, seed);
    MersenneRandom first;
    MersenneRandom second;
    first.seed(seed);
    second.seed(seed);
    std::vector<double> drawn;
    for (int i = 0; i < 1000; ++i) {
        drawn.push_back(first.next());
        QCOMPARE(second.next(), drawn.back());
    }
    // Seeding again starts the sequence over.
    first.seed(seed);
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(first.next(), drawn[i]);
    // The same numbers on every platform: the seed is the float's bits.
    QFETCH(quint32, bits);
    std::mt19937_64 engine(bits);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(drawn[i], static_cast<double>(engine() >> 11) * 0x1.0p-53);
}

void tst_Activation::differentSeedDifferentSequence_data()
{
    QTest::addColumn<float>("seedA");
    QTest::addColumn<float>("seedB");

    QTest::newRow("midnight and one second later") << 0.0f << 1.0f;
    QTest::newRow("seeds a quarter second apart") << 100.25f << 100.5f;
    QTest::newRow("seeds a sixteenth of a second apart") << 5000.0f << 5000.0625f;
    QTest::newRow("morning and evening") << 30000.0f << 70000.0f;
}

void tst_Activation::differentSeedDifferentSequence()
{
    QFETCH(float, seedA);
    QFETCH(float, seedB);
    MersenneRandom a;
    MersenneRandom b;
    a.seed(seedA);
    b.seed(seedB);
    int same = 0;
    for (int i = 0; i < 100; ++i)
        if (a.next() == b.next())
            ++same;
    QCOMPARE(same, 0);
}

QTEST_APPLESS_MAIN(tst_Activation)
#include "tst_activation.moc"

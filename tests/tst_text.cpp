// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "text.h"
#include "value_list.h"

#include <string>

using namespace quimbra;

// The text helpers that every list line and every typed number go through:
// plain numbers, right-aligned fields, and reading a typed number.
class tst_Text final : public QObject
{
    Q_OBJECT

private slots:
    void plainNumber_data();
    void plainNumber();
    void rightAlignedText_data();
    void rightAlignedText();
    void rightAlignedNumber_data();
    void rightAlignedNumber();

    void textToInteger_data();
    void textToInteger();
    void longInputReadsQuickly_data();
    void longInputReadsQuickly();
    void valueLists_data();
    void valueLists();
};

void tst_Text::plainNumber_data()
{
    QTest::addColumn<qlonglong>("n");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("zero") << 0LL << QByteArray("0");
    QTest::newRow("positive has no sign or blank") << 1234LL << QByteArray("1234");
    QTest::newRow("negative") << -7LL << QByteArray("-7");
    QTest::newRow("smallest Integer") << -32768LL << QByteArray("-32768");
    QTest::newRow("largest Long") << 2147483647LL << QByteArray("2147483647");
    QTest::newRow("smallest Long") << -2147483648LL << QByteArray("-2147483648");
}

void tst_Text::plainNumber()
{
    QFETCH(qlonglong, n);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(plain(n)), expected);
}

void tst_Text::rightAlignedText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("short text padded on the left") << QByteArray("ab") << 5 << QByteArray("   ab");
    QTest::newRow("exact width unchanged") << QByteArray("abcde") << 5 << QByteArray("abcde");
    QTest::newRow("long text keeps its tail") << QByteArray("abcdefg") << 3 << QByteArray("efg");
    QTest::newRow("empty text is all blanks") << QByteArray("") << 3 << QByteArray("   ");
    QTest::newRow("width zero is empty") << QByteArray("abc") << 0 << QByteArray("");
    QTest::newRow("inner blanks kept") << QByteArray("a b") << 4 << QByteArray(" a b");
    QTest::newRow("accented letter counts one") << QByteArray("è") << 3 << QByteArray("  è");
    QTest::newRow("accented word padded") << QByteArray("città") << 7 << QByteArray("  città");
    QTest::newRow("accented word cut keeps whole letter") << QByteArray("città") << 3 << QByteArray("ttà");
    QTest::newRow("accented letter kept whole at the cut") << QByteArray("èab") << 3 << QByteArray("èab");
    QTest::newRow("emoji counts one") << QByteArray("\xF0\x9F\x98\x80") << 2 << QByteArray(" \xF0\x9F\x98\x80");
    QTest::newRow("emoji kept whole at the cut") << QByteArray("x\xF0\x9F\x98\x80y") << 2
                                                 << QByteArray("\xF0\x9F\x98\x80y");
    QTest::newRow("emoji dropped whole at the cut") << QByteArray("\xF0\x9F\x98\x80yz") << 2
                                                    << QByteArray("yz");
}

void tst_Text::rightAlignedText()
{
    QFETCH(QByteArray, text);
    QFETCH(int, width);
    QFETCH(QByteArray, expected);
    const std::string in = text.toStdString();
    QCOMPARE(QByteArray::fromStdString(rightAligned(std::string_view(in), width)), expected);
}

void tst_Text::rightAlignedNumber_data()
{
    QTest::addColumn<qlonglong>("n");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("positive padded") << 42LL << 5 << QByteArray("   42");
    QTest::newRow("zero padded") << 0LL << 3 << QByteArray("  0");
    QTest::newRow("negative padded, sign in front") << -5LL << 4 << QByteArray("  -5");
    QTest::newRow("exact width") << 1000LL << 4 << QByteArray("1000");
    QTest::newRow("too wide keeps last digits") << 12345LL << 3 << QByteArray("345");
    QTest::newRow("negative too wide loses the sign") << -123LL << 3 << QByteArray("123");
    QTest::newRow("negative one too wide") << -1234LL << 4 << QByteArray("1234");
    QTest::newRow("move count in a wide field") << 499500LL << 8 << QByteArray("  499500");
}

void tst_Text::rightAlignedNumber()
{
    QFETCH(qlonglong, n);
    QFETCH(int, width);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(rightAligned(static_cast<long long>(n), width)), expected);
}

void tst_Text::textToInteger_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");

    // Plain whole numbers and signs.
    QTest::newRow("digits") << QByteArray("123") << 123;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("minus sign") << QByteArray("-42") << -42;
    QTest::newRow("minus zero") << QByteArray("-0") << 0;
    QTest::newRow("leading zeros") << QByteArray("0000000000000000000000012") << 12;

    // Blanks, tabs and line feeds are skipped anywhere.
    QTest::newRow("blanks around") << QByteArray("   42   ") << 42;
    QTest::newRow("blanks between digits") << QByteArray("1 2 3") << 123;
    QTest::newRow("blank after sign") << QByteArray("- 5") << -5;
    QTest::newRow("tab and line feed in front") << QByteArray("\t\n-3") << -3;
    QTest::newRow("tab between digits") << QByteArray("1\t2") << 12;
    QTest::newRow("line feed between digits") << QByteArray("1\n2") << 12;
    QTest::newRow("blanks around the full stop") << QByteArray("1 . 6") << 2;
    QTest::newRow("blanks inside the exponent") << QByteArray("1 E - 2") << 0;
    QTest::newRow("blank before exponent digits") << QByteArray("1E 2") << 100;
    QTest::newRow("blank inside hexadecimal") << QByteArray("&H 1 F") << 31;
    QTest::newRow("carriage return is not skipped") << QByteArray("\r5") << 0;
    QTest::newRow("carriage return stops the number") << QByteArray("5\r6") << 5;

    // Reading stops at the first character that cannot continue the number.
    QTest::newRow("letters after digits") << QByteArray("12abc") << 12;
    QTest::newRow("second full stop") << QByteArray("1.2.3") << 1;
    QTest::newRow("comma is not a separator") << QByteArray("1,5") << 1;
    QTest::newRow("sign after digits") << QByteArray("1-2") << 1;
    QTest::newRow("plus after digits") << QByteArray("1+2") << 1;
    QTest::newRow("second exponent") << QByteArray("1e2e3") << 100;
    QTest::newRow("exponent without digits") << QByteArray("7E") << 7;
    QTest::newRow("exponent with sign only") << QByteArray("7E+") << 7;
    QTest::newRow("trailing full stop") << QByteArray("5.") << 5;

    // No number at the start gives 0.
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("blanks only") << QByteArray("   ") << 0;
    QTest::newRow("letters") << QByteArray("abc") << 0;
    QTest::newRow("sign only") << QByteArray("-") << 0;
    QTest::newRow("plus only") << QByteArray("+") << 0;
    QTest::newRow("full stop only") << QByteArray(".") << 0;
    QTest::newRow("exponent letter first") << QByteArray("e5") << 0;
    QTest::newRow("D first") << QByteArray("D5") << 0;
    QTest::newRow("two minus signs") << QByteArray("--5") << 0;
    QTest::newRow("plus then minus") << QByteArray("+-5") << 0;
    QTest::newRow("currency sign") << QByteArray("$5") << 0;
    QTest::newRow("letter before digits") << QByteArray("è5") << 0;
    QTest::newRow("ampersand alone") << QByteArray("&") << 0;
    QTest::newRow("unknown radix letter") << QByteArray("&X10") << 0;
    QTest::newRow("hexadecimal without digits") << QByteArray("&H") << 0;
    QTest::newRow("octal with a non-octal digit") << QByteArray("&O8") << 0;

    // Fractions and exponents.
    QTest::newRow("leading full stop") << QByteArray(".6") << 1;
    QTest::newRow("negative leading full stop") << QByteArray("-.6") << -1;
    QTest::newRow("exponent E") << QByteArray("1E2") << 100;
    QTest::newRow("exponent e") << QByteArray("1e2") << 100;
    QTest::newRow("exponent D") << QByteArray("1D2") << 100;
    QTest::newRow("exponent d") << QByteArray("1d2") << 100;
    QTest::newRow("exponent with plus") << QByteArray("1E+2") << 100;
    QTest::newRow("fraction with exponent") << QByteArray("1.5E1") << 15;
    QTest::newRow("negative exponent") << QByteArray("25E-1") << 2;
    QTest::newRow("negative exponent to odd half") << QByteArray("35E-1") << 4;
    QTest::newRow("half made by exponent") << QByteArray("0.25E1") << 2;
    QTest::newRow("exponent reaches the top") << QByteArray("3.2767E4") << 32767;
    QTest::newRow("zero with huge exponent") << QByteArray("0E99999") << 0;
    QTest::newRow("zero fraction with huge exponent") << QByteArray("0.000E99999") << 0;
    QTest::newRow("tiny mantissa undone by exponent")
        << QByteArray("0." + QByteArray(999, '0') + "1E1000") << 1;
    QTest::newRow("huge mantissa undone by exponent")
        << QByteArray("1" + QByteArray(1000, '0') + "E-1000") << 1;
    QTest::newRow("exponent brings a half") << QByteArray("25" + QByteArray(500, '0') + "E-501") << 2;
    QTest::newRow("negative fraction with exponent") << QByteArray("-0.5E1") << -5;

    // Hexadecimal and octal.
    QTest::newRow("hexadecimal") << QByteArray("&H10") << 16;
    QTest::newRow("hexadecimal lower case") << QByteArray("&hff") << 255;
    QTest::newRow("hexadecimal mixed case digits") << QByteArray("&H1f") << 31;
    QTest::newRow("hexadecimal stops at a letter") << QByteArray("&H1G") << 1;
    QTest::newRow("hexadecimal stops at a full stop") << QByteArray("&HFF.5") << 255;
    QTest::newRow("hexadecimal zero") << QByteArray("&H0") << 0;
    QTest::newRow("hexadecimal largest Integer") << QByteArray("&H7FFF") << 32767;
    QTest::newRow("octal") << QByteArray("&O17") << 15;
    QTest::newRow("octal lower case") << QByteArray("&o777") << 511;
    QTest::newRow("octal stops at 8") << QByteArray("&O178") << 15;

    // Nearest whole number, an exact half to the even neighbour.
    QTest::newRow("2.5 to even 2") << QByteArray("2.5") << 2;
    QTest::newRow("3.5 to even 4") << QByteArray("3.5") << 4;
    QTest::newRow("-2.5 to even -2") << QByteArray("-2.5") << -2;
    QTest::newRow("-3.5 to even -4") << QByteArray("-3.5") << -4;
    QTest::newRow("4.5 to even 4") << QByteArray("4.5") << 4;
    QTest::newRow("1.5 to even 2") << QByteArray("1.5") << 2;
    QTest::newRow("12.5 to even 12") << QByteArray("12.5") << 12;
    QTest::newRow("12.6 up") << QByteArray("12.6") << 13;
    QTest::newRow("12.4 down") << QByteArray("12.4") << 12;
    QTest::newRow("0.5 to even 0") << QByteArray("0.5") << 0;
    QTest::newRow("-0.5 to even 0") << QByteArray("-0.5") << 0;
    QTest::newRow("0.6 up") << QByteArray("0.6") << 1;
    QTest::newRow("-0.6 down") << QByteArray("-0.6") << -1;
    QTest::newRow("just above a half") << QByteArray("2.5000000000000000001") << 3;
    QTest::newRow("just below a half") << QByteArray("3.4999999999999999999") << 3;
    QTest::newRow("far-off digit above a half")
        << QByteArray("0.5" + QByteArray(1000, '0') + "1") << 1;
    QTest::newRow("half with many zeros") << QByteArray("0.5" + QByteArray(1000, '0')) << 0;
    QTest::newRow("32766.5 to even") << QByteArray("32766.5") << 32766;

    // Values outside -32768..32767 go to the nearest end.
    QTest::newRow("32767.5 clamped") << QByteArray("32767.5") << 32767;
    QTest::newRow("-32768.5 clamped") << QByteArray("-32768.5") << -32768;
    QTest::newRow("-32767.5 to even -32768") << QByteArray("-32767.5") << -32768;
    QTest::newRow("32768") << QByteArray("32768") << 32767;
    QTest::newRow("-32769") << QByteArray("-32769") << -32768;
    QTest::newRow("40000") << QByteArray("40000") << 32767;
    QTest::newRow("-40000") << QByteArray("-40000") << -32768;
    QTest::newRow("exponent just over the top") << QByteArray("3.2768E4") << 32767;
    QTest::newRow("huge exponent") << QByteArray("1E99999") << 32767;
    QTest::newRow("negative huge exponent") << QByteArray("-1E99999") << -32768;
    QTest::newRow("exponent beyond any machine integer")
        << QByteArray("1E99999999999999999999999999") << 32767;
    QTest::newRow("tiny value") << QByteArray("1E-99999") << 0;
    QTest::newRow("tiny value beyond any machine integer")
        << QByteArray("5E-99999999999999999999999999") << 0;
    QTest::newRow("a thousand nines") << QByteArray(1000, '9') << 32767;
    QTest::newRow("minus a thousand nines") << QByteArray("-" + QByteArray(1000, '9')) << -32768;
    QTest::newRow("hexadecimal FFFF") << QByteArray("&HFFFF") << 32767;
    QTest::newRow("hexadecimal 8000") << QByteArray("&H8000") << 32767;
    QTest::newRow("long hexadecimal") << QByteArray("&H" + QByteArray(40, 'F')) << 32767;
    QTest::newRow("octal 77777") << QByteArray("&O77777") << 32767;
    QTest::newRow("octal 100000") << QByteArray("&O100000") << 32767;
}

void tst_Text::textToInteger()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    const std::string in = text.toStdString();
    QCOMPARE(int(quimbra::textToInteger(std::string_view(in))), expected);
}

void tst_Text::longInputReadsQuickly_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");

    const qsizetype million = 1000000;
    QTest::newRow("a million digits") << QByteArray(million, '1') << 32767;
    QTest::newRow("a million blanks then a digit") << QByteArray(million - 1, ' ') + "5" << 5;
    QTest::newRow("digits and blanks interleaved") << QByteArray("1 ").repeated(million / 2) << 32767;
    QTest::newRow("a million fraction digits")
        << "0." + QByteArray(million - 3, '0') + "7" << 0;
    QTest::newRow("a million-digit exponent") << "1E" + QByteArray(million - 2, '9') << 32767;
    QTest::newRow("a million-digit negative exponent")
        << "1E-" + QByteArray(million - 3, '9') << 0;
    QTest::newRow("zero with a million-digit exponent") << "0E" + QByteArray(million - 2, '9') << 0;
    QTest::newRow("a million hexadecimal digits") << "&H" + QByteArray(million - 2, 'F') << 32767;
    QTest::newRow("a million letters") << QByteArray(million, 'x') << 0;
}

void tst_Text::longInputReadsQuickly()
{
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    const std::string in = text.toStdString();
    QElapsedTimer timer;
    timer.start();
    const int got = quimbra::textToInteger(std::string_view(in));
    const qint64 ms = timer.elapsed();
    QCOMPARE(got, expected);
    // A pasted text of any length must not freeze the window.
    QVERIFY2(ms < 2000, qPrintable(QStringLiteral("took %1 ms").arg(ms)));
}

void tst_Text::valueLists_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("most");
    QTest::addColumn<bool>("distinct");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("error");
    const QList<int> none;
    auto row = [](const char *name, const QByteArray &text, const QList<int> &values, const QString &error,
                  int most = 1000, bool distinct = false) {
        QTest::newRow(name) << text << most << distinct << values << error;
    };
    row("blanks", "7 3 9 1 4", {7, 3, 9, 1, 4}, "");
    row("comma and blank", "7, 3, 9", {7, 3, 9}, "");
    row("commas alone, as in a link", "7,3,9,1,4", {7, 3, 9, 1, 4}, "");
    row("semicolons, tabs, line ends", "1;2\t3\r\n4\n;;5", {1, 2, 3, 4, 5}, "");
    row("a spreadsheet's column", "12\n15\n\n30\n", {12, 15, 30}, "");
    row("plus sign and leading zeros", "+5 007 +0032767", {5, 7, 32767}, "");
    row("decimal comma", "1 2 3 3,5 9", none, "«3,5» (il 4º valore) non è un numero intero");
    row("decimal point", "4.5", none, "«4.5» (il 1º valore) non è un numero intero");
    row("minus", "3 -2", none, "«-2» (il 2º valore) non è un numero intero");
    row("exponent", "1E3", none, "«1E3» (il 1º valore) non è un numero intero");
    row("hexadecimal", "&H10", none, "«&H10» (il 1º valore) non è un numero intero");
    row("a lone sign", "5 +", none, "«+» (il 2º valore) non è un numero intero");
    row("zero", "0 1", none, "«0» (il 1º valore): i valori vanno da 1 a 32767");
    row("too large", "1 32768", none, "«32768» (il 2º valore): i valori vanno da 1 a 32767");
    row("a number too long", "123456789012345678901234567890", none,
        "«123456789012345678901234…» (il 1º valore): i valori vanno da 1 a 32767");
    row("Arabic-Indic digits", "1 \xd9\xa3", none, "«\xd9\xa3» (il 2º valore) non è un numero intero");
    row("bytes that are not UTF-8", "3 -2.5\x8b \xe2\x82", none, "«-2.5?» (il 2º valore) non è un numero intero");
    row("a NUL byte", QByteArray("4 5\0 6", 6), none, "«5?» (il 2º valore) non è un numero intero");
    row("empty", "", none, "scrivi almeno un valore");
    row("blanks only", " \t\n ,; ", none, "scrivi almeno un valore");
    row("too many", QByteArray("1 ").repeated(1001), none, "al massimo 1000 valori");
    row("exactly the most", QByteArray("1 ").repeated(1000), QList<int>(1000, 1), "");
    row("fewer allowed", "4 8 15", none, "al massimo 2 valori", 2);
    row("a repeated key", "50 30 70 30", none, "«30» (il 4º valore) è ripetuto", 63, true);
}

// Typed lists: every separator, the strict reading of each value, the first
// fault said with where it stands, and a list written back reads the same.
void tst_Text::valueLists()
{
    QFETCH(QByteArray, text);
    QFETCH(int, most);
    QFETCH(bool, distinct);
    QFETCH(QList<int>, values);
    QFETCH(QString, error);
    ValueRules rules;
    rules.most = most;
    rules.distinct = distinct;
    const ValueList list = readValueList(std::string_view(text.constData(), std::size_t(text.size())), rules);
    QCOMPARE(QString::fromStdString(list.error), error);
    QCOMPARE(QList<int>(list.values.begin(), list.values.end()), values);
    if (list.ok())
        QCOMPARE(readValueList(writeValueList(list.values), rules).values, list.values);
}

QTEST_APPLESS_MAIN(tst_Text)
#include "tst_text.moc"

// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "code_listing.h"

using namespace quimbra;

// The code of a routine cut from its source, checked against its anchors.
class tst_CodeListing final : public QObject
{
    Q_OBJECT

private slots:
    void listingChecksItself_data();
    void listingChecksItself();
};

void tst_CodeListing::listingChecksItself_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<int>("problems");
    QTest::addColumn<QStringList>("cpp");

    const QString routine = "// before\ntemplate <class Observer>\nvoid Go(int n, Observer &o)\n{\n"
                            "    // a comment\n\n    o.step(n); // reported\n    o.end(n);\n}\nint after;\n";
    const QStringList lines{"template <class Observer>", "void Go(int n, Observer &o)", "{",
                            "    o.step(n);", "    o.end(n);", "}"};
    QTest::newRow("anchor on one line") << routine << "o.step(" << 0 << lines;
    QTest::newRow("anchor on no line: the routine changed") << routine << "o.move(" << 1 << lines;
    QTest::newRow("anchor on two lines") << routine << "(n);" << 1 << lines;
    QTest::newRow("routine gone") << QString("int other;\n") << "o.step(" << 2 << QStringList{};
}

// A listing cuts its routine from the source without comments and blank
// lines, and lists what does not hold: an anchor on no line or on several,
// a routine not found.
void tst_CodeListing::listingChecksItself()
{
    QFETCH(QString, source);
    QFETCH(QString, anchor);
    QFETCH(int, problems);
    QFETCH(QStringList, cpp);
    const std::string text = source.toStdString();
    const std::string piece = anchor.toStdString();
    const CodeListing listing(text, "void Go(", {{"Go(n)", nullptr}, {"passo", piece.c_str()}});
    QCOMPARE(int(listing.problems().size()), problems);
    QStringList got;
    for (const std::string &line : listing.cpp())
        got << QString::fromStdString(line);
    QCOMPARE(got, cpp);
    if (problems == 0) {
        QCOMPARE(listing.lineOf(piece), 7); // the file's own line number
        QCOMPARE(listing.rowsOf(7).pseudo, 1);
        QCOMPARE(listing.rowsOf(7).cpp, 3);
        QCOMPARE(listing.rowsOf(8).pseudo, -1);
    }
}

QTEST_APPLESS_MAIN(tst_CodeListing)
#include "tst_code_listing.moc"

// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The graded exercises without a window: the data behind a code, and students
// simulated from the routines' own recorded steps.

#include "abr.h"
#include "exercise.h"
#include "questions.h"
#include "results.h"
#include "results_of.h"
#include "ricbin.h"
#include "sort_steps.h"
#include "sorts.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <numeric>

using namespace quimbra;
using namespace quimbra::exercise;

Q_DECLARE_METATYPE(std::vector<Integer>)

namespace {

// The kinds of exercise, as the views start them.
// The sorts follow in the catalogue's order.
enum Case { SearchCase, TreeSearch, PreOrder, InOrder, PostOrder, Insertion };
constexpr int Cases = Insertion + SortAlgorithms;

std::vector<Expected> record(Case c, const Data &d)
{
    const std::string key = std::to_string(d.key);
    if (c == SearchCase) {
        std::array<Integer, SearchSize + 1> V{};
        std::copy(d.values.begin(), d.values.end(), V.begin() + 1);
        return ricbin::ExerciseSteps(ricbin::RecordSearch(V, SearchSize, key));
    }
    if (c <= PostOrder) {
        const abr::Tabella ABR = abr::TreeOfKeys(d.values);
        const abr::TreeSteps steps =
            c == TreeSearch ? abr::RecordSearch(ABR, key) : abr::RecordVisit(ABR, c - PreOrder);
        return abr::ExerciseSteps(ABR, steps);
    }
    std::vector<Integer> V{0};
    V.insert(V.end(), d.values.begin(), d.values.end());
    return ExerciseSteps(c - Insertion, V);
}

Kind kindOf(Case c)
{
    return c == SearchCase ? Kind::Search : c <= PostOrder ? Kind::Tree : Kind::Sort;
}

// Answers every step; at the steps in `wrongAt` (counted among the steps to
// answer) the first pick is an element that is not wanted. Returns the steps
// played after each answer.
std::vector<int> play(Exercise &ex, const std::vector<int> &wrongAt = {})
{
    std::vector<int> played;
    for (int k = 0; ex.current(); ++k) {
        const Expected step = *ex.current();
        if (std::find(wrongAt.begin(), wrongAt.end(), k) != wrongAt.end()) {
            int wrong = 1;
            while (std::find(step.picks.begin(), step.picks.end(), wrong) != step.picks.end())
                ++wrong;
            if (ex.pick(wrong) != Verdict::Wrong)
                return {};
        } else {
            const std::vector<int> &picks = step.picks;
            for (std::size_t i = 0; i < picks.size(); ++i)
                if (ex.pick(picks[i]) != (i + 1 < picks.size() ? Verdict::Pending : Verdict::Right))
                    return {};
        }
        played.push_back(ex.played());
    }
    return played;
}

} // namespace

class tst_Exercise final : public QObject
{
    Q_OBJECT

private slots:
    // Three codes per kind with their data written out: a change of the
    // generator changes what every class sees, and must fail here.
    void dataOfACode_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        QTest::addColumn<std::vector<Integer>>("values");
        QTest::addColumn<int>("key");
        using V = std::vector<Integer>;
        auto row = [](const char *tag, Kind k, int code, V values, int key) {
            QTest::newRow(tag) << int(k) << code << values << key;
        };
        row("search 10000", Kind::Search, 10000, {3, 4, 11, 15, 20, 22, 25, 36, 45, 58, 69, 73, 77, 81, 82}, 20);
        row("search 48213", Kind::Search, 48213, {13, 15, 16, 18, 28, 37, 46, 56, 59, 62, 63, 64, 86, 88, 94}, 61);
        row("search 99999", Kind::Search, 99999, {4, 8, 18, 29, 31, 41, 46, 48, 63, 65, 71, 73, 80, 84, 90}, 84);
        row("tree 10000", Kind::Tree, 10000, {4, 8, 15, 16, 21, 22, 24, 31, 32, 63, 65, 66, 71, 80, 95}, 74);
        row("tree 31415", Kind::Tree, 31415, {1, 2, 7, 11, 18, 44, 48, 56, 64, 66, 81, 84, 86, 95, 98}, 1);
        row("tree 99999", Kind::Tree, 99999, {5, 8, 17, 30, 37, 46, 48, 50, 55, 57, 64, 67, 73, 79, 90}, 73);
        row("sort 10000", Kind::Sort, 10000, {25, 67, 47, 14, 31, 20, 2, 35, 54, 77}, 0);
        row("sort 48213", Kind::Sort, 48213, {91, 39, 77, 61, 19, 24, 75, 88, 98, 34}, 0);
        row("sort 99999", Kind::Sort, 99999, {86, 77, 72, 53, 8, 83, 17, 49, 3, 2}, 0);
    }

    void dataOfACode()
    {
        QFETCH(int, kind);
        QFETCH(int, code);
        QFETCH(std::vector<Integer>, values);
        QFETCH(int, key);
        const Data d = MakeData(Kind(kind), code);
        QCOMPARE(d.code, code);
        QCOMPARE(d.values, values);
        QCOMPARE(int(d.key), key);
    }

    // Over every code: sizes, ranges, distinct values, and keys present about
    // half of the time.
    void everyCodeGivesSoundData()
    {
        int present = 0;
        for (int code = FirstCode; code <= LastCode; code += 7) {
            for (Kind k : {Kind::Search, Kind::Tree, Kind::Sort}) {
                const Data d = MakeData(k, code);
                QCOMPARE(int(d.values.size()), k == Kind::Sort ? SortSize : SearchSize);
                std::vector<Integer> sorted = d.values;
                std::sort(sorted.begin(), sorted.end());
                QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
                QVERIFY(sorted.front() >= LowestValue && sorted.back() <= HighestValue);
                if (k == Kind::Sort) {
                    QCOMPARE(d.key, Integer(0));
                    continue;
                }
                QCOMPARE(sorted, d.values);
                QVERIFY(d.key >= LowestValue && d.key <= HighestValue);
                if (k == Kind::Search)
                    present += std::count(sorted.begin(), sorted.end(), d.key) ? 1 : 0;
            }
        }
        const int codes = (LastCode - FirstCode) / 7 + 1;
        QVERIFY2(present > codes * 45 / 100 && present < codes * 55 / 100, qPrintable(QString::number(present)));
        CodeRandom r(48213, 1);
        QCOMPARE(r.next(), Q_UINT64_C(6808609899021820836));
        QCOMPARE(r.next(), Q_UINT64_C(12078230122250732158));
    }

    void readCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("lowest") << "10000" << 10000;
        QTest::newRow("highest") << "99999" << 99999;
        QTest::newRow("blanks around") << " \t48213 " << 48213;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks only") << "   " << 0;
        QTest::newRow("four digits") << "1234" << 0;
        QTest::newRow("six digits") << "123456" << 0;
        QTest::newRow("leading zero") << "09999" << 0;
        QTest::newRow("letters") << "abcde" << 0;
        QTest::newRow("letter inside") << "12a45" << 0;
        QTest::newRow("sign") << "+12345" << 0;
        QTest::newRow("blank inside") << "12 345" << 0;
        QTest::newRow("decimal") << "12345.0" << 0;
        QTest::newRow("full-width digits") << "\uff11\uff12\uff13\uff14\uff15" << 0;
    }

    void readCode()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        const CodeReading r = ReadCode(text.toStdString());
        QCOMPARE(r.code, code);
        QCOMPARE(r.message.empty(), code != 0);
        if (code == 0)
            QVERIFY(QString::fromStdString(r.message).contains("cinque cifre, da 10000 a 99999"));
    }

    // Every kind of exercise on several codes: a student who follows the
    // routine's recorded steps finishes with no error; one who is wrong at
    // any one step gets exactly one error and goes on from the same state.
    void simulatedStudents_data()
    {
        QTest::addColumn<int>("kase");
        QTest::addColumn<int>("code");
        const char *names[] = {"ricerca", "ABR ricerca", "anticipata", "simmetrica", "posticipata"};
        for (int c = 0; c < Cases; ++c)
            for (int code : {10000, 31415, 48213, 77777, 99999})
                QTest::addRow("%s %d", c < Insertion ? names[c] : sortTitle(c - Insertion), code) << c << code;
    }

    void simulatedStudents()
    {
        QFETCH(int, kase);
        QFETCH(int, code);
        const Case c = Case(kase);
        const Data d = MakeData(kindOf(c), code);
        const std::vector<Expected> steps = record(c, d);

        Exercise right(code, "x", steps);
        const std::vector<int> course = play(right);
        QVERIFY(right.finished() && !right.running());
        QCOMPARE(right.played(), right.runLength());
        QCOMPARE(right.errors(), 0);
        QCOMPARE(right.answered(), right.steps());
        QCOMPARE(right.percent(), 100);
        QCOMPARE(int(course.size()), right.steps());
        QCOMPARE(right.pick(1), Verdict::Ignored);

        // What the steps to answer must be, from the routines themselves.
        const bool absent = std::find(d.values.begin(), d.values.end(), d.key) == d.values.end();
        if (c == SearchCase || c == TreeSearch) {
            QCOMPARE(steps.back().picks.empty(), !absent);
            if (absent)
                QCOMPARE(steps.back().picks, std::vector<int>{NotThere});
        } else if (c <= PostOrder) {
            std::vector<int> nodes;
            for (const Expected &e : steps)
                nodes.insert(nodes.end(), e.picks.begin(), e.picks.end());
            std::sort(nodes.begin(), nodes.end());
            std::vector<int> all(TreeSize);
            std::iota(all.begin(), all.end(), 1);
            QCOMPARE(nodes, all);
        } else {
            // One step per move that the routine counts (Shell's placement at
            // position 0 and Merge's copying back play by themselves); and
            // the exchanges alone sort.
            const int algorithm = c - Insertion;
            std::vector<Integer> V{0};
            V.insert(V.end(), d.values.begin(), d.values.end());
            std::vector<Integer> student = V;
            Long moves = 0;
            runSort(algorithm, V, moves);
            QCOMPARE(right.steps(), algorithm == AlgoMerge ? int(moves) / 2
                                                           : int(moves) - (algorithm == AlgoShell ? 1 : 0));
            if (sortEntry(algorithm).moves == SortMoves::Exchanges) {
                for (const Expected &e : steps)
                    if (!e.picks.empty())
                        std::swap(student[std::size_t(e.picks[0])], student[std::size_t(e.picks[1])]);
                QCOMPARE(student, V);
            }
        }

        // Wrong once, at each step in turn; and wrong everywhere.
        for (int k = 0; k < right.steps(); ++k) {
            Exercise once(code, "x", steps);
            QCOMPARE(play(once, {k}), course);
            QCOMPARE(once.errors(), 1);
            QVERIFY(once.finished());
            QCOMPARE(once.percent(), (200 * (right.steps() - 1) + right.steps()) / (2 * right.steps()));
        }
        std::vector<int> all(std::size_t(right.steps()));
        std::iota(all.begin(), all.end(), 0);
        Exercise never(code, "x", steps);
        QCOMPARE(play(never, all), course);
        QCOMPARE(never.errors(), right.steps());
        QCOMPARE(never.percent(), right.steps() ? 0 : 100);
    }

    // An exchange is picked in either order; a wrong second pick is one error.
    // Every exercise tells once that it has ended, finished or given up.
    void pairsAndScore()
    {
        std::vector<Ended> told;
        setEndedListener([&told](const Ended &ended) { told.push_back(ended); });
        const std::vector<Expected> steps{{{3, 4}, true, "scambio"}, {}, {{2, 7}, false, "spostamento"},
                                          {{5}, false, "posto"}, {}};
        Exercise ex(48213, "Shell", steps);
        QCOMPARE(ex.played(), 0);
        QCOMPARE(ex.score(), std::string("Passi: 0 di 3 \u00b7 Errori: 0"));
        QCOMPARE(ex.pick(4), Verdict::Pending);
        QCOMPARE(ex.pendingPicks(), std::vector<int>{4});
        QCOMPARE(ex.pick(3), Verdict::Right);
        QCOMPARE(ex.played(), 2); // the step that moves nothing played too
        QCOMPARE(ex.lastAnsweredStep(), 0);
        QCOMPARE(ex.pick(7), Verdict::Wrong); // destination before source
        QCOMPARE(ex.lastAnswered()->explanation, std::string("spostamento"));
        QCOMPARE(ex.played(), 3);
        QCOMPARE(ex.score(), std::string("Passi: 2 di 3 \u00b7 Errori: 1"));
        QCOMPARE(told.size(), std::size_t(0));
        ex.giveUp();
        ex.giveUp();
        QCOMPARE(told.size(), std::size_t(1));
        QCOMPARE(told[0].code, 48213);
        QCOMPARE(told[0].name, std::string("Shell"));
        QCOMPARE(told[0].percent, 33);
        QCOMPARE(told[0].result, ex.result());
        QVERIFY(ex.over() && ex.gaveUp() && !ex.finished());
        QCOMPARE(ex.pick(5), Verdict::Ignored);
        QCOMPARE(ex.percent(), 33); // 1 right of 3
        QCOMPARE(ex.result(), Sealed("Esercizio n. 48213 \u00b7 Shell \u00b7 3 passi \u00b7 1 errore \u00b7 "
                                     "soluzione mostrata dopo 2 passi \u00b7 33 %"));

        Exercise pair(10001, "Bubble", {{{2, 3}, true, ""}});
        QCOMPARE(pair.pick(3), Verdict::Pending);
        QCOMPARE(pair.pick(3), Verdict::Wrong); // the same bar twice is not the pair
        // 16 of 18 right: 88.9 % shows as 89 %; 1 of 8: 12.5 % as 13 %.
        std::vector<Expected> eighteen(18, Expected{{1}, false, ""});
        Exercise shell(48213, "Shell", eighteen);
        play(shell, {3, 11});
        QCOMPARE(shell.result(), Sealed("Esercizio n. 48213 \u00b7 Shell \u00b7 18 passi \u00b7 2 errori \u00b7 89 %"));
        Exercise eight(20000, "Quick", std::vector<Expected>(8, Expected{{1}, false, ""}));
        play(eight, {0, 1, 2, 3, 4, 5, 6});
        QCOMPARE(eight.percent(), 13);
        eight.giveUp(); // already over: nothing more to tell
        setEndedListener({});
        QCOMPARE(told.size(), std::size_t(4)); // ex, pair, shell, eight
        QCOMPARE(told[1].percent, 0);
        QCOMPARE(told[2].result, shell.result());
        QCOMPARE(told[3].percent, 13);

        // The questions asked during an exercise go into its line, sealed.
        Exercise asked(48213, "Shell", eighteen);
        asked.setQuestions(1, 1);
        QCOMPARE(asked.score(), std::string("Passi: 0 di 18 \u00b7 Errori: 0 \u00b7 1 domanda su 1"));
        asked.setQuestions(4, 5);
        play(asked, {});
        QCOMPARE(asked.result(), Sealed("Esercizio n. 48213 \u00b7 Shell \u00b7 18 passi \u00b7 0 errori \u00b7 "
                                        "4 domande su 5 \u00b7 100 %"));
        const PastedResults back = ReadPastedResults(asked.result());
        QCOMPARE(back.lines.size(), std::size_t(1));
        QCOMPARE(back.lines[0].questionsRight, 4);
        QCOMPARE(back.lines[0].questionsAsked, 5);
    }

    // The check: the same line gives the same check, and one character
    // changed anywhere in the line gives another.
    void checkSealsEveryCharacter()
    {
        const std::string line = "Esercizio n. 48213 \u00b7 Shell \u00b7 18 passi \u00b7 2 errori \u00b7 89 %";
        const std::string check = CheckOf(line);
        QCOMPARE(check.size(), std::size_t(5));
        QCOMPARE(CheckOf(line), check);
        QCOMPARE(Sealed(line), line + " \u00b7 controllo " + check);
        for (std::size_t at = 0; at < line.size(); ++at)
            for (const char other : {'0', '9', ' ', 'x'}) {
                std::string changed = line;
                if (changed[at] == other)
                    continue;
                changed[at] = other;
                QVERIFY2(CheckOf(changed) != check, qPrintable(QString::fromStdString(changed)));
            }
    }

    // Texts pasted into the register: each result line found once, with the
    // name before it, judged by its check and by the exercise it claims.
    void pastedResults_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found"); // "name|exercise|valid or why"
        QTest::addColumn<int>("ignored");
        QTest::addColumn<int>("repeated");
        const int shell = ExerciseStepCount(48213, "Shell");
        const int tree = ExerciseStepCount(10000, "Eliminazione dall'ABR");
        QVERIFY(shell > 0 && tree > 0);
        const auto line = [](int code, const QString &name, int steps, int errors, int percent) {
            return QString("Esercizio n. %1 \u00b7 %2 \u00b7 %3 passi \u00b7 %4 errori \u00b7 %5 %")
                .arg(code).arg(name).arg(steps).arg(errors).arg(percent);
        };
        const auto seal = [](const QString &l) { return QString::fromStdString(Sealed(l.toStdString())); };
        const QString good = seal(line(48213, "Shell", shell, 0, 100));
        const int pct = (200 * (shell - 2) + shell) / (2 * shell);
        QTest::newRow("one line, a name before it")
            << "Rossi Mario: " + good << QStringList{"Rossi Mario|Shell|valido"} << 0 << 0;
        QTest::newRow("an e-mail with Windows line ends")
            << "Ciao prof,\r\n\r\necco il risultato:\r\n" + good + "\r\nSaluti\r\n"
            << QStringList{"|Shell|valido"} << 3 << 0;
        QTest::newRow("pasted twice") << good + "\n" + good << QStringList{"|Shell|valido"} << 0 << 1;
        QTest::newRow("two students, a tree exercise")
            << "Bianchi: " + good + "\nVerdi Anna - " + seal(line(10000, "Eliminazione dall'ABR", tree, 1, (200 * (tree - 1) + tree) / (2 * tree)))
            << QStringList{"Bianchi|Shell|valido", "Verdi Anna|Eliminazione dall'ABR|valido"} << 0 << 0;
        QString forged = good;
        forged[forged.size() - 1] = forged.back() == 'A' ? 'B' : 'A';
        QTest::newRow("a forged check") << forged << QStringList{"|Shell|il controllo non corrisponde"} << 0 << 0;
        QString edited = good;
        edited.replace(" 100 %", " 99 %");
        QTest::newRow("the percentage edited") << edited << QStringList{"|Shell|il controllo non corrisponde"} << 0 << 0;
        QTest::newRow("sealed, but more steps than the exercise has")
            << seal(line(48213, "Shell", shell + 1, 0, 100))
            << QStringList{QString("|Shell|l'esercizio ha %1 passi").arg(shell)} << 0 << 0;
        QTest::newRow("sealed, more errors than steps")
            << seal(line(48213, "Shell", shell, shell + 1, 0)) << QStringList{"|Shell|pi\u00f9 errori che passi"} << 0 << 0;
        QTest::newRow("sealed, a percentage that does not follow")
            << seal(line(48213, "Shell", shell, 2, pct + 1)) << QStringList{"|Shell|la percentuale non torna"} << 0 << 0;
        QTest::newRow("an exercise that does not exist")
            << seal(line(48213, "Bogosort", 5, 0, 100)) << QStringList{"|Bogosort|esercizio sconosciuto"} << 0 << 0;
        QTest::newRow("a line cut in half") << good.left(40) + "\n" + good.mid(40) << QStringList{} << 2 << 0;
        QTest::newRow("without its check") << line(48213, "Shell", shell, 0, 100) << QStringList{"|Shell|senza controllo"}
                                           << 0 << 0;
        const auto asked = [&](int right, int of) {
            return seal(line(48213, "Shell", shell, 0, 100)
                            .replace(" 0 errori ", QString(" 0 errori \u00b7 %1 domande su %2 ").arg(right).arg(of)));
        };
        QTest::newRow("with its questions") << asked(4, 5) << QStringList{"|Shell|valido"} << 0 << 0;
        QTest::newRow("more questions right than asked")
            << asked(6, 5) << QStringList{"|Shell|pi\u00f9 risposte giuste che domande"} << 0 << 0;
        QTest::newRow("binary and other languages") << QString::fromUtf8("\x01\x02\xff\nСпасибо\n谢谢 Esercizio n.\n")
                                                    << QStringList{} << 3 << 0;
    }

    // A typed number is right within its tolerance, edges included; a
    // choice only when it is the one.
    void questionJudging_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<int>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("exact") << 7 << 0 << 7 << true;
        QTest::newRow("one off, exact wanted") << 7 << 0 << 8 << false;
        QTest::newRow("10 % below, at the edge") << 2000 << 10 << 1800 << true;
        QTest::newRow("10 % above, at the edge") << 2000 << 10 << 2200 << true;
        QTest::newRow("just past the edge below") << 2000 << 10 << 1799 << false;
        QTest::newRow("just past the edge above") << 2000 << 10 << 2201 << false;
        QTest::newRow("an answer of 0") << 0 << 10 << 1 << false;
        QTest::newRow("a negative guess") << 100 << 10 << -95 << false;
    }

    void questionJudging()
    {
        QFETCH(int, answer);
        QFETCH(int, tolerance);
        QFETCH(int, typed);
        QFETCH(bool, right);
        QCOMPARE(questions::Within(typed, answer, tolerance), right);
        questions::Quiz quiz({{"k", 3, "?", {}, answer, tolerance, questions::Click::None, "perché"}});
        QCOMPARE(quiz.nextMoment(0), 3L);
        QVERIFY(!quiz.due(2));
        QVERIFY(quiz.due(3));
        QCOMPARE(quiz.answer(typed), right);
        QCOMPARE(quiz.score(), std::string(right ? "1 domanda su 1" : "0 domande su 1"));
        QCOMPARE(quiz.nextMoment(0), -1L);
    }

    // Questions are asked once each, in order; one passed by moving the
    // position is not counted, a skipped one is, a dropped one is not; the
    // choice is the same for the same seed, spread and never crowded.
    void quizAndChoice()
    {
        using questions::Question;
        std::vector<Question> all;
        for (long m = 0; m < 400; m += 3)
            all.push_back({"k", m, "?", {"a", "b"}, m % 2, 0, questions::Click::None, ""});
        const auto chosen = questions::Choose(all, 400, 77);
        QCOMPARE(chosen.size(), std::size_t(5));
        for (std::size_t i = 1; i < chosen.size(); ++i)
            QVERIFY(chosen[i].moment - chosen[i - 1].moment >= 400 / 6);
        const auto again = questions::Choose(all, 400, 77);
        for (std::size_t i = 0; i < chosen.size(); ++i)
            QCOMPARE(again[i].moment, chosen[i].moment);
        QCOMPARE(questions::Choose({}, 400, 77).size(), std::size_t(0));

        questions::Quiz quiz(chosen);
        QVERIFY(quiz.due(chosen[0].moment));
        QVERIFY(quiz.answer(chosen[0].answer));
        QVERIFY(quiz.due(chosen[1].moment));
        quiz.skip();
        QVERIFY(quiz.due(chosen[2].moment));
        quiz.drop();
        // The position moved past the fourth: the fifth is next.
        QCOMPARE(quiz.nextMoment(chosen[3].moment + 1), chosen[4].moment);
        QVERIFY(quiz.due(chosen[4].moment));
        QVERIFY(!quiz.answer(1 - chosen[4].answer));
        QCOMPARE(quiz.asked(), 3);
        QCOMPARE(quiz.right(), 1);
        QCOMPARE(quiz.score(), std::string("1 domanda su 3"));
    }

    void pastedResults()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        QFETCH(int, ignored);
        QFETCH(int, repeated);
        const PastedResults read = ReadPastedResults(text.toStdString());
        QStringList got;
        for (const ResultLine &r : read.lines)
            got << QString::fromStdString(r.student + "|" + r.exercise + "|" + (r.valid ? "valido" : r.why));
        QCOMPARE(got, found);
        QCOMPARE(read.ignored, ignored);
        QCOMPARE(read.repeated, repeated);
    }
};

QTEST_APPLESS_MAIN(tst_Exercise)
#include "tst_exercise.moc"

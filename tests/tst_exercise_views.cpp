// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The graded exercises in the three step views, driven through their real
// controls: codes typed and refused, answers by mouse and by keyboard, the
// score, giving up, copying the result, closing.

#include "abr.h"
#include "frmGuida.h"
#include "frmRegistro.h"
#include "frmPassoABR.h"
#include "results.h"
#include "results_of.h"
#include "frmPassoRicBin.h"
#include "frmPassoSort.h"
#include "identity.h"
#include "ricbin.h"
#include "sort_steps.h"
#include "support.h"
#include "value_list.h"
#include "widgets.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <array>
#include <memory>

using namespace quimbra;
using namespace quimbra::testing;

namespace {

enum View { SortView, SearchView, TreeView };

// A result line with its check.
QString sealed(const QString &line)
{
    return QString::fromStdString(exercise::Sealed(line.toStdString()));
}

// Each view with what is practised: the sort (column) or the tree's visit
// (-1 the search), chosen before the exercise starts.
struct Setup
{
    View view;
    int kind;
};

} // namespace

Q_DECLARE_METATYPE(Setup)

class tst_ExerciseViews final : public QObject
{
    Q_OBJECT

    QObject owner;
    ScriptedRandom rnd;
    std::array<Integer, 1001> V{};
    QPointer<StepView> view;

    StepView *open(const Setup &s)
    {
        StepView *v = nullptr;
        if (s.view == SortView) {
            auto *sort = new frmPassoSort(std::max(s.kind, 0), V, rnd, &owner);
            v = sort;
        } else if (s.view == SearchView) {
            v = new frmPassoRicBin(V, 1000, "5", &owner);
        } else {
            abr::Tabella ABR = abr::TreeOfKeys({10, 20, 30, 40, 50, 60, 70});
            v = new frmPassoABR(ABR, "", &owner);
        }
        v->Show();
        view = v;
        if (!QTest::qWaitForWindowActive(v->window()))
            return nullptr;
        if (s.view == TreeView) // what the tree's exercise practises: the search or a visit
            v->find<QComboBox>("cboEsercizio")->setCurrentIndex(s.kind + 1);
        return v;
    }

    ExercisePanel &panel() const { return view->exercisePanel(); }

    void typeCode(const QString &code)
    {
        QLineEdit *box = view->textBox("txtCodice");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, code);
        QTest::keyClick(box, Qt::Key_Return);
    }

    void clickElement(int element)
    {
        if (element == exercise::NotThere) {
            QTest::mouseClick(view->button("cmdNonCe"), Qt::LeftButton);
            return;
        }
        const QPoint at = panel().elementRect(element).center().toPoint();
        QTest::mouseClick(view->canvas(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // A wrong element for the step waiting: another one drawn, or "Non c'è".
    int wrongFor(const exercise::Expected &step) const
    {
        if (step.picks.front() != exercise::NotThere && view->button("cmdNonCe"))
            return exercise::NotThere;
        return step.picks.front() == 1 ? 2 : 1;
    }

    // Everything the view shows but the typed values' box and sentence: its
    // texts, lists, choices and sliders, the run's position and the picture.
    QStringList shown() const
    {
        QStringList s;
        for (QWidget *w : view->window()->findChildren<QWidget *>()) {
            const QString name = w->objectName();
            if (name.isEmpty() || name == "txtDati" || name == "lblAvvisoDati")
                continue;
            if (auto *label = qobject_cast<QLabel *>(w)) {
                s << name + ": " + label->text();
            } else if (auto *list = qobject_cast<QAbstractItemView *>(w)) {
                const QAbstractItemModel *m = list->model();
                QString rows = QString::number(list->currentIndex().row());
                for (int r = 0; m && r < m->rowCount(); ++r)
                    for (int c = 0; c < m->columnCount(); ++c)
                        rows += '|' + m->index(r, c).data().toString();
                s << name + ": " + rows;
            } else if (auto *choice = qobject_cast<QComboBox *>(w)) {
                s << name + ": " + QString::number(choice->currentIndex());
            } else if (auto *slider = qobject_cast<QAbstractSlider *>(w)) {
                s << name + ": " + QString::number(slider->value());
            }
        }
        s << QString::number(view->player().stepper()->position());
        const QImage picture = view->canvas()->grab().toImage();
        s << QString::number(qHashBits(picture.constBits(), std::size_t(picture.sizeInBytes())));
        return s;
    }

    // Text put in the values' box as a paste does, then Enter; what the view
    // said of the paste itself.
    QString typeValues(const QString &text)
    {
        QLineEdit *box = view->textBox("txtDati");
        box->setFocus();
        box->selectAll();
        QGuiApplication::clipboard()->setText(text);
        box->paste();
        const QString said = view->find<QLabel>("lblAvvisoDati")->text();
        QTest::keyClick(box, Qt::Key_Return);
        return said;
    }

private slots:
    void initTestCase()
    {
        applyIdentity(*qApp);
        for (int p = 1; p <= 1000; ++p)
            V[std::size_t(p)] = Integer(p * 7);
    }

    void cleanup()
    {
        if (view)
            view->Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Every kind of exercise answered with the mouse: one wrong answer at the
    // second step, every other right; the score throughout, the result line
    // at the end, the player's controls off while it runs.
    void answerWithTheMouse_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("Insertion") << Setup{SortView, 0} << 48213 << "Insertion";
        QTest::newRow("Bubble") << Setup{SortView, 1} << 10000 << "Bubble";
        QTest::newRow("Shell") << Setup{SortView, 2} << 99999 << "Shell";
        QTest::newRow("Quick") << Setup{SortView, 3} << 31415 << "Quick";
        QTest::newRow("Selection") << Setup{SortView, 4} << 77777 << "Selection";
        QTest::newRow("Inserimento") << Setup{SortView, 5} << 48213 << "Inserimento";
        QTest::newRow("Merge") << Setup{SortView, 6} << 10000 << "Merge";
        QTest::newRow("Heap") << Setup{SortView, 7} << 99999 << "Heap";
        QTest::newRow("binary search, key there") << Setup{SearchView, -1} << 10000 << "Ricerca binaria";
        QTest::newRow("binary search, key not there") << Setup{SearchView, -1} << 48213 << "Ricerca binaria";
        QTest::newRow("tree search, key not there") << Setup{TreeView, -1} << 10000 << "Ricerca nell'ABR";
        QTest::newRow("tree search, key there") << Setup{TreeView, -1} << 99999 << "Ricerca nell'ABR";
        QTest::newRow("pre-order") << Setup{TreeView, 0} << 31415 << "Visita anticipata";
        QTest::newRow("in-order") << Setup{TreeView, 1} << 31415 << "Visita simmetrica";
        QTest::newRow("post-order") << Setup{TreeView, 2} << 31415 << "Visita posticipata";
        QTest::newRow("tree insertion") << Setup{TreeView, 3} << 48213 << "Inserimento nell'ABR";
        QTest::newRow("tree insertion, another") << Setup{TreeView, 3} << 77777 << "Inserimento nell'ABR";
        QTest::newRow("tree deletion") << Setup{TreeView, 4} << 10000 << "Eliminazione dall'ABR";
        QTest::newRow("tree deletion, two children") << Setup{TreeView, 4} << 48213 << "Eliminazione dall'ABR";
    }

    void answerWithTheMouse()
    {
        QFETCH(Setup, setup);
        QFETCH(int, code);
        QFETCH(QString, name);
        QVERIFY(open(setup));
        typeCode(QString::number(code));
        QCOMPARE(view->label("lblEsercizio")->text(), QString("Esercizio n. %1 \u00b7 %2").arg(code).arg(name));
        const exercise::Exercise &ex = panel().exercise();
        QVERIFY(ex.running());
        QCOMPARE(ex.code(), code);
        QCOMPARE(QString::fromStdString(ex.name()), name);
        const int steps = ex.steps();
        QCOMPARE(view->label("lblPunteggio")->text(), QString("Passi: 0 di %1 · Errori: 0").arg(steps));
        const auto playerControls = {"cmdPasso", "cmdAvvia", "cmdTutto", "cmdIndietro", "sldPosizione"};
        for (const char *control : playerControls)
            QVERIFY2(!view->find<QWidget>(control)->isEnabled(), control);
        // The exercise keeps its own data: no typed values taken meanwhile.
        if (QPushButton *use = view->button("cmdUsaDati"))
            QVERIFY(!use->isEnabled());
        QVERIFY(view->button("cmdSoluzione")->isEnabled());
        // The player's keys do nothing: Space on a button-free spot of the window.
        const int played = ex.played();
        QTest::keyClick(view->window(), Qt::Key_Space);
        QTest::keyClick(view->window(), Qt::Key_Return);
        QCOMPARE(ex.played(), played);
        QVERIFY(!view->player().isRunning());

        for (int k = 0; ex.running(); ++k) {
            const exercise::Expected step = *ex.current();
            if (k == 1) {
                clickElement(wrongFor(step));
                QCOMPARE(ex.errors(), 1);
                QCOMPARE(view->label("lblPasso")->text(),
                         "No: " + QString::fromStdString(step.explanation));
            } else {
                for (int e : step.picks)
                    clickElement(e);
                QCOMPARE(ex.errors(), k > 1 ? 1 : 0);
                QVERIFY(view->label("lblPasso")->text().startsWith("Giusto: "));
            }
            QCOMPARE(ex.answered(), k + 1);
            if (ex.running())
                QCOMPARE(view->label("lblPunteggio")->text(),
                         QString("Passi: %1 di %2 · Errori: %3").arg(k + 1).arg(steps).arg(ex.errors()));
        }
        QVERIFY(ex.finished());
        QVERIFY(view->player().stepper()->finished());
        const int errors = steps > 1 ? 1 : 0;
        const int percent = (200 * (steps - errors) + steps) / (2 * steps);
        QCOMPARE(view->label("lblPunteggio")->text(),
                 sealed(QString("Esercizio n. %1 · %2 · %3 passi · %4 · %5 %")
                            .arg(code)
                            .arg(name)
                            .arg(steps)
                            .arg(errors == 1 ? "1 errore" : "0 errori")
                            .arg(percent)));
        QVERIFY(!view->button("cmdSoluzione")->isEnabled());
        // The register replays the same exercise from its code and name, and
        // takes the line as handed in.
        QCOMPARE(ExerciseStepCount(code, name.toStdString()), steps);
        const exercise::PastedResults read = ReadPastedResults(view->label("lblPunteggio")->text().toStdString());
        QCOMPARE(int(read.lines.size()), 1);
        QVERIFY2(read.lines[0].valid, read.lines[0].why.c_str());
        // Over: going back and the position are the player's again.
        QVERIFY(view->button("cmdIndietro")->isEnabled() && view->find<QWidget>("sldPosizione")->isEnabled());
        QTest::keyClick(view->window(), Qt::Key_Left);
        QCOMPARE(view->player().stepper()->position(), view->player().stepper()->count() - 1);

        // The result line is copied for handing in: Ctrl+C and the menu entry.
        QLabel *score = view->label("lblPunteggio");
        QGuiApplication::clipboard()->clear();
        score->setFocus();
        QTest::keyClick(score, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), score->text());
        QCOMPARE(score->actions().size(), 1);
        QCOMPARE(score->actions().first()->text(), QString("Copia risultato"));
        QCOMPARE(score->contextMenuPolicy(), Qt::CustomContextMenu); // the zoomed menu of its actions
    }

    // The same code gives the same data; bad codes are refused with a
    // message and change nothing; "Esercizio" draws a code of its own.
    void codes_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("sorts") << Setup{SortView, 2};
        QTest::newRow("binary search") << Setup{SearchView, -1};
        QTest::newRow("tree") << Setup{TreeView, -1};
    }

    void codes()
    {
        QFETCH(Setup, setup);
        QVERIFY(open(setup));
        panel().drawCode = [] { return 27182; };
        QTest::mouseClick(view->button("cmdEsercizio"), Qt::LeftButton);
        QCOMPARE(view->textBox("txtCodice")->text(), QString("27182"));
        QVERIFY(view->label("lblEsercizio")->text().startsWith(QString("Esercizio n. 27182 \u00b7 ")));
        const exercise::Data data =
            exercise::MakeData(setup.view == SortView ? exercise::Kind::Sort
                               : setup.view == SearchView ? exercise::Kind::Search
                                                           : exercise::Kind::Tree,
                               27182);
        // The values shown are the code's, the key in its box.
        std::vector<Integer> shown = data.values;
        if (auto *sort = qobject_cast<frmPassoSort *>(view.data())) {
            shown.assign(sort->steps()->values().begin() + 1, sort->steps()->values().end());
            std::sort(shown.begin(), shown.end());
        } else {
            QLineEdit *key = view->textBox(setup.view == TreeView ? "txtChiave" : "txtX");
            QCOMPARE(key->text(), QString::number(data.key));
            QVERIFY(key->isReadOnly());
            for (int e = 1; e <= 15; ++e)
                QVERIFY(!panel().elementRect(e).isEmpty());
            QVERIFY(panel().elementRect(16).isEmpty());
        }
        std::vector<Integer> expected = data.values;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(shown, expected);

        // Answer once, then try bad codes: nothing changes.
        const exercise::Expected first = *panel().exercise().current();
        for (int e : first.picks)
            clickElement(e);
        const int played = panel().exercise().played();
        for (const char *bad : {"1234", "abcde", "100000", "09999", ""}) {
            typeCode(bad);
            QVERIFY2(view->label("lblAvviso")->text().contains("cinque cifre"), bad);
            QCOMPARE(panel().exercise().code(), 27182);
            QCOMPARE(panel().exercise().played(), played);
            QCOMPARE(panel().exercise().answered(), 1);
        }
        // Typing clears the warning; a good code starts over on its own data.
        QTest::keyClick(view->textBox("txtCodice"), Qt::Key_Backspace);
        QVERIFY(view->label("lblAvviso")->text().isEmpty());
        typeCode("27182");
        QCOMPARE(panel().exercise().answered(), 0);
        QCOMPARE(panel().exercise().code(), 27182);
        if (setup.view == TreeView) {
            // The strip's choice says what is practised on the same tree; the
            // visit buttons are off while the exercise runs.
            QVERIFY(!view->button("cmdV", 2)->isEnabled());
            auto *kinds = view->find<QComboBox>("cboEsercizio");
            kinds->setCurrentIndex(3);
            emit kinds->activated(3);
            QCOMPARE(QString::fromStdString(panel().exercise().name()), QString("Visita posticipata"));
            QCOMPARE(view->label("lblEsercizio")->text(), QString("Esercizio n. 27182 \u00b7 Visita posticipata"));
            QCOMPARE(panel().exercise().code(), 27182);
            QCOMPARE(panel().exercise().steps(), exercise::TreeSize);
            QTest::keyClick(view->textBox("txtChiave"), Qt::Key_Return); // read-only: nothing
            QCOMPARE(QString::fromStdString(panel().exercise().name()), QString("Visita posticipata"));
        }
    }

    // Arrow keys move the cursor over the elements; Space and Enter pick.
    void keyboard_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("bars") << Setup{SortView, 1};
        QTest::newRow("column") << Setup{SearchView, -1};
        QTest::newRow("tree, in-order") << Setup{TreeView, 1};
        QTest::newRow("tree, search") << Setup{TreeView, -1};
    }

    void keyboard()
    {
        QFETCH(Setup, setup);
        QVERIFY(open(setup));
        typeCode("55555");
        QWidget *canvas = view->canvas();
        QCOMPARE(QApplication::focusWidget(), canvas);
        const exercise::Exercise &ex = panel().exercise();
        if (setup.view == TreeView) {
            // Up goes to the parent, Down to the left child.
            QTest::keyClick(canvas, Qt::Key_Home); // the leftmost node: a leaf
            const int leaf = panel().cursor();
            QCOMPARE(leaf, 8);
            QTest::keyClick(canvas, Qt::Key_Up);
            QTest::keyClick(canvas, Qt::Key_Up);
            QCOMPARE(panel().cursor(), 2);
            QTest::keyClick(canvas, Qt::Key_Down);
            QCOMPARE(panel().cursor(), 4);
            QTest::keyClick(canvas, Qt::Key_End);
            QCOMPARE(panel().cursor(), 15);
            QCOMPARE(ex.answered(), 0);
        }
        for (int answers = 0; ex.running() && answers < 6; ++answers) {
            const std::vector<int> picks = ex.current()->picks;
            for (std::size_t i = 0; i < picks.size(); ++i) {
                const int target = picks[i];
                if (target == exercise::NotThere) {
                    QTest::mouseClick(view->button("cmdNonCe"), Qt::LeftButton);
                    continue;
                }
                // Home, then Right until the cursor stands on the target.
                QTest::keyClick(canvas, Qt::Key_Home);
                for (int guard = 0; panel().cursor() != target && guard < 40; ++guard)
                    QTest::keyClick(canvas, Qt::Key_Right);
                QCOMPARE(panel().cursor(), target);
                QTest::keyClick(canvas, i % 2 ? Qt::Key_Return : Qt::Key_Space);
            }
            QCOMPARE(ex.errors(), 0);
            QCOMPARE(ex.answered(), answers + 1);
        }
    }

    // "Soluzione" gives up: the rest plays as in a plain step view, and the
    // result line says so, counting the steps not answered as not right.
    void giveUpSwitchAndClose()
    {
        QVERIFY(open({SortView, 3}));
        typeCode("48213");
        const exercise::Exercise &ex = panel().exercise();
        for (int k = 0; k < 3; ++k)
            for (int e : ex.current()->picks)
                clickElement(e);
        const int steps = ex.steps();
        view->find<QAbstractSlider>("sldVelocita")->setValue(StepPlayer::levelCount() - 1);
        QTest::mouseClick(view->button("cmdSoluzione"), Qt::LeftButton);
        QVERIFY(ex.gaveUp());
        QCOMPARE(view->label("lblPunteggio")->text(),
                 sealed(QString("Esercizio n. 48213 · Quick · %1 passi · 0 errori · soluzione mostrata "
                                "dopo 3 passi · %2 %")
                            .arg(steps)
                            .arg((300 * 2 + steps) / (2 * steps))));
        QTRY_VERIFY(view->player().stepper()->finished());
        auto *s = qobject_cast<frmPassoSort *>(view.data());
        QVERIFY(std::is_sorted(s->steps()->values().begin(), s->steps()->values().end()));
        // Picks no longer count; the data list is back on.
        clickElement(1);
        QCOMPARE(ex.answered(), 3);
        QVERIFY(view->find<QComboBox>("cboDati")->isEnabled());

        // During an exercise the algorithm list switches the sort practised
        // on the same code; the data list is off; closing the view ends it.
        typeCode("31415");
        auto *sorts = view->find<QComboBox>("cboAlgoritmo");
        QVERIFY(!view->find<QComboBox>("cboDati")->isEnabled());
        QCOMPARE(QString::fromStdString(panel().exercise().name()), QString("Quick"));
        sorts->setCurrentIndex(1);
        emit sorts->activated(1);
        QCOMPARE(panel().exercise().code(), 31415);
        QCOMPARE(QString::fromStdString(panel().exercise().name()), QString("Bubble"));
        QVERIFY(panel().exercise().running());
        QTest::mouseClick(view->button("cmdFine"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!view);
    }

    // Random data stay while the algorithm changes; "Nuovi valori" draws new
    // ones; during an exercise the data choice says whose values are shown.
    void randomDataStay()
    {
        QVERIFY(open({SortView, 0}));
        auto *sort = qobject_cast<frmPassoSort *>(view.data());
        auto *data = view->find<QComboBox>("cboDati");
        QPushButton *fresh = view->button("cmdNuoviDati");
        QVERIFY(!fresh->isEnabled()); // the window's vector: nothing to draw
        data->setCurrentIndex(InputRandom20);
        emit data->activated(InputRandom20);
        QVERIFY(fresh->isEnabled());
        const std::vector<Integer> drawn = sort->steps()->values();
        QCOMPARE(sort->steps()->size(), 20);
        for (int algorithm : {1, 2, 3, 0}) {
            sort->cboAlgoritmo_Click(algorithm);
            QCOMPARE(sort->steps()->algorithm(), algorithm);
            QCOMPARE(sort->steps()->values(), drawn);
        }
        QTest::mouseClick(fresh, Qt::LeftButton);
        QVERIFY(sort->steps()->values() != drawn);
        const std::vector<Integer> redrawn = sort->steps()->values();
        sort->startExercise(27182);
        QCOMPARE(data->currentIndex(), -1);
        QCOMPARE(data->currentText(), QString());
        QCOMPARE(data->placeholderText(), QString("Dati dell'esercizio"));
        sort->cboAlgoritmo_Click(1); // a running exercise: the same code with Bubble
        QCOMPARE(data->currentIndex(), -1);
        panel().giveUp();
        sort->cboAlgoritmo_Click(2); // over: back to the data chosen, as drawn
        QCOMPARE(data->currentIndex(), int(InputRandom20));
        QCOMPARE(sort->steps()->values(), redrawn);
    }

    void typedValues_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("values"); // as typed
        QTest::addColumn<QString>("refusal");   // empty: the values are taken
        const Setup sort{SortView, 0}, search{SearchView, -1};
        const QList<int> none;
        QTest::newRow("sorts, the textbook's") << sort << "7 3 9 1 4" << QList<int>{7, 3, 9, 1, 4} << "";
        QTest::newRow("sorts, a spreadsheet's column, equal values")
            << sort << "12\r\n5\r\n5\r\n30\r\n+5\r\n" << QList<int>{12, 5, 5, 30, 5} << "";
        QTest::newRow("sorts, one value") << sort << "42" << QList<int>{42} << "";
        QTest::newRow("sorts, a decimal") << sort << "7 3 9 3,5" << none << "«3,5» (il 4º valore) non è un numero intero";
        QTest::newRow("sorts, blanks only") << sort << "  ;  " << none << "scrivi almeno un valore";
        QTest::newRow("sorts, 1001 values") << sort << QString("9 ").repeated(1001) << none << "al massimo 1000 valori";
        // Longer than any list written plainly: read at once, never shown as pasted.
        // (Kept out of the box, so Enter then finds it empty.)
        QTest::newRow("sorts, a megabyte pasted") << sort << QString("12345 ").repeated(180000) << none
                                                  << "scrivi almeno un valore";
        QList<int> spread;
        QString spreadText;
        for (int v = 1; v <= 1000; ++v) {
            spread << v * 32;
            spreadText += QString::number(v * 32) + QString(" ").repeated(20);
        }
        QTest::newRow("sorts, 1000 values far apart") << sort << spreadText << spread << "";
        QTest::newRow("search, the test paper's") << search << "42; 23; 16; 15; 8; 4" << QList<int>{42, 23, 16, 15, 8, 4} << "";
        QTest::newRow("search, one value") << search << "25" << none << "scrivi almeno 2 valori";
        QTest::newRow("search, too large") << search << "1 2 40000" << none << "«40000» (il 3º valore): i valori vanno da 1 a 32767";
        const Setup tree{TreeView, -1};
        QTest::newRow("tree, the textbook's keys") << tree << "50 30 70 20 40 60 80" << QList<int>{50, 30, 70, 20, 40, 60, 80} << "";
        QTest::newRow("tree, a repeated key") << tree << "50 30 70 30" << none << "«30» (il 4º valore) è ripetuto";
        QTest::newRow("tree, key 0") << tree << "50 0 70" << none << "«0» (il 2º valore): i valori vanno da 1 a 32767";
        QTest::newRow("tree, 64 keys") << tree << spreadText.left(spreadText.indexOf("2080")) << none << "al massimo 63 valori";
    }

    // Values pasted in a view's box and taken with Enter. Taken, the sorts
    // play them with every algorithm exactly as the same values given as an
    // input, and the search runs over them as sorted, writing the lines of
    // RicBin for that vector; "Copia dati" gives them back. Refused, the
    // sentence says why and the run shown stays exactly as it was.
    void typedValues()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, text);
        QFETCH(QList<int>, values);
        QFETCH(QString, refusal);
        QVERIFY(open(setup));
        auto *search = qobject_cast<frmPassoRicBin *>(view.data());
        if (search)
            view->textBox("txtX")->setText("25");
        view->player().stepOnce();
        view->player().stepOnce();
        view->textBox("txtDati")->setFocus(); // the picture shows where the focus is
        const QStringList before = shown();
        const QString pasted = typeValues(text);
        if (text.size() > 1000000)
            QCOMPARE(pasted, QString("al massimo 1000 valori"));
        QCOMPARE(view->find<QLabel>("lblAvvisoDati")->text(), refusal);
        // The box keeps what was pasted, but for a paste too long to be a list.
        QCOMPARE(view->textBox("txtDati")->text().isEmpty(), text.trimmed().isEmpty() || text.size() > 1000000);
        if (!refusal.isEmpty()) {
            QCOMPARE(shown(), before);
            return;
        }
        std::vector<Integer> typed{0};
        for (int v : values)
            typed.push_back(Integer(v));
        std::vector<Integer> sorted = typed;
        std::sort(sorted.begin() + 1, sorted.end());
        const auto copied = [&] {
            QTest::mouseClick(view->button("cmdCopiaDati"), Qt::LeftButton);
            return QGuiApplication::clipboard()->text();
        };
        if (search) {
            const int n = int(values.size());
            QCOMPARE(search->search().lines, ricbin::SearchLines(sorted, n, "25"));
            QVERIFY(view->find<QLabel>("lblPasso")->text().startsWith(
                QString("I %1 valori scritti, ordinati con QuickSort. ").arg(n)));
            view->player().toEnd();
            QStringList lines;
            for (const std::string &line : ricbin::SearchLines(sorted, n, "25"))
                lines << QString::fromStdString(line);
            QCOMPARE(view->find<ListBox>("lstPassi")->lines(), lines);
            QCOMPARE(copied(), QString::fromStdString(writeValueList({sorted.begin() + 1, sorted.end()})));
            return;
        }
        if (auto *abrView = qobject_cast<frmPassoABR *>(view.data())) {
            // Built balanced, as the window builds its own; in the order typed,
            // the tree that those insertions make. The copy is in pre-order,
            // which typed again in order makes the same tree.
            QCOMPARE(view->find<QComboBox>("cboAlbero")->currentIndex(), int(frmPassoABR::TypedBalanced));
            QCOMPARE(abrView->tree().keys(), std::vector<Integer>(sorted.begin() + 1, sorted.end()));
            QCOMPARE(abrView->tree().height(), abr::leastHeight(int(values.size())));
            abrView->cboAlbero_Click(frmPassoABR::TypedInOrder);
            const abr::Albero inOrder = abrView->tree();
            QCOMPARE(inOrder, abr::InsertedInOrder(std::vector<Integer>(typed.begin() + 1, typed.end())));
            abrView->cboAlbero_Click(frmPassoABR::EmptyTree);
            QCOMPARE(abrView->tree().count(), 0);
            QCOMPARE(view->find<QLabel>("lblAltezza")->text(), QString("albero vuoto"));
            abrView->cboAlbero_Click(frmPassoABR::TypedInOrder);
            typeValues(copied());
            QCOMPARE(abr::RecordVisit(abrView->tree(), 0).lines, abr::RecordVisit(inOrder, 0).lines);
            QCOMPARE(abrView->tree().height(), inOrder.height());
            return;
        }
        auto *sort = qobject_cast<frmPassoSort *>(view.data());
        QCOMPARE(view->find<QComboBox>("cboDati")->currentIndex(), int(InputTyped));
        for (int k = 0; k < SortAlgorithms; ++k) {
            sort->cboAlgoritmo_Click(k);
            QCOMPARE(sort->steps()->input(), typed);
            QCOMPARE(copied(), QString::fromStdString(writeValueList({typed.begin() + 1, typed.end()})));
            view->player().toEnd();
            SortSteps fixed(k, typed);
            fixed.runToEnd();
            QCOMPARE(sort->steps()->values(), sorted);
            QCOMPARE(sort->steps()->comparisons(), fixed.comparisons());
            QCOMPARE(sort->steps()->moves(), fixed.moves());
            QCOMPARE(view->find<QLabel>("lblMosse")->text().remove(QRegularExpression("\\D")),
                     QString::number(fixed.moves()));
        }
    }

    void spaceSteps_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("clicked");
        QTest::newRow("sorts, Passo") << Setup{SortView, 1} << "cmdPasso";
        QTest::newRow("sorts, Indietro") << Setup{SortView, 1} << "cmdIndietro";
        QTest::newRow("sorts, the code") << Setup{SortView, 1} << "lstCodice";
        QTest::newRow("sorts, the variables") << Setup{SortView, 1} << "lstVariabili";
        QTest::newRow("search, Passo") << Setup{SearchView, -1} << "cmdPasso";
        QTest::newRow("search, the steps") << Setup{SearchView, -1} << "lstPassi";
        QTest::newRow("tree, a visit") << Setup{TreeView, -1} << "cmdV";
        QTest::newRow("tree, Indietro") << Setup{TreeView, -1} << "cmdIndietro";
    }
    // Space is Passo whatever was clicked last; a view opens with the focus
    // on its picture, and Tab goes on from there.
    void spaceSteps()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, clicked);
        QVERIFY(open(setup));
        QWidget *window = view->window();
        QCOMPARE(window->focusWidget(), static_cast<QWidget *>(view->canvas()));
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QVERIFY(window->focusWidget() != static_cast<QWidget *>(view->button("cmdFine")));
        if (setup.view == SortView) // nothing of the sorts' own before the player
            QCOMPARE(window->focusWidget(), static_cast<QWidget *>(view->button("cmdPasso")));
        if (setup.view == TreeView)
            view->button("cmdV", 0)->click();
        view->player().stepOnce();
        view->player().stepOnce();
        view->canvas()->setFocus();
        const QByteArray name = clicked.toUtf8();
        QWidget *target = clicked == "cmdV" ? view->button("cmdV", 1) : view->find<QWidget>(name.constData());
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        const long at = view->player().stepper()->position();
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Space);
        QCOMPARE(view->player().stepper()->position(), at + 1);
    }

    // While the run plays by itself its labels are plain text (a selectable
    // one lays out a whole document at every frame); selectable once it stops.
    void labelsPlainWhileRunning_data() { codes_data(); }
    void labelsPlainWhileRunning()
    {
        QFETCH(Setup, setup);
        QVERIFY(open(setup));
        const auto selectable = [this](const char *name) {
            return bool(view->label(name)->textInteractionFlags() & Qt::TextSelectableByMouse);
        };
        QVERIFY(selectable("lblPasso") && selectable("lblPosizione"));
        if (setup.view == TreeView) // a visit to run
            view->button("cmdV", 0)->click();
        view->button("cmdAvvia")->click();
        QVERIFY(view->player().isRunning());
        QVERIFY(!selectable("lblPasso") && !selectable("lblPosizione"));
        view->button("cmdAvvia")->click();
        QVERIFY(!view->player().isRunning());
        QVERIFY(selectable("lblPasso") && selectable("lblPosizione"));
    }

    void helpAtItsPage_data() { codes_data(); }
    // F1 opens the help at the view's page; the page is Italian text that
    // names the view's keys.
    void helpAtItsPage()
    {
        QFETCH(Setup, setup);
        QVERIFY(open(setup));
        QTest::keyClick(view->button("cmdPasso"), Qt::Key_F1);
        frmGuida &guide = frmGuida::instance();
        QVERIFY(guide.isLoaded());
        QCOMPARE(guide.page(), view->window()->objectName());
        const QString text = guide.window()->findChild<QTextBrowser *>("txtGuida")->toPlainText();
        QVERIFY2(text.contains("Spazio") && text.contains("Invio"), qPrintable(text));
        guide.Unload();
    }

    // Questions in every view, answered through its controls: right (a bar or
    // a position clicked, a choice, a number typed), wrong, and skipped, in
    // turn; "Fino alla fine" stops at each; the score counts them.
    void questionsInTheViews_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::newRow("Quick") << Setup{SortView, 3};
        QTest::newRow("Heap") << Setup{SortView, 7};
        QTest::newRow("binary search") << Setup{SearchView, -1};
        QTest::newRow("tree, a search") << Setup{TreeView, -1};
        QTest::newRow("tree, a visit") << Setup{TreeView, 0};
    }

    void questionsInTheViews()
    {
        QFETCH(Setup, setup);
        QVERIFY(open(setup));
        if (setup.view == SortView) { // 20 values drawn: a run of a few hundred steps
            auto *data = view->find<QComboBox>("cboDati");
            data->setCurrentIndex(4);
            emit data->activated(4);
        } else if (setup.view == TreeView && setup.kind < 0) {
            view->textBox("txtChiave")->setText("35");
            QTest::mouseClick(view->button("cmdRicerca"), Qt::LeftButton);
        } else if (setup.view == TreeView) {
            QTest::mouseClick(view->button("cmdV", setup.kind), Qt::LeftButton);
        }
        QuestionPanel &asks = view->questionPanel();
        QTest::mouseClick(view->find<QCheckBox>("chkDomande"), Qt::LeftButton);
        QVERIFY(asks.enabled());
        const std::vector<questions::Question> chosen = asks.quiz().questions();
        QVERIFY(!chosen.empty());
        QLabel *said = view->label("lblDomanda");
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            QTest::mouseClick(view->button("cmdTutto"), Qt::LeftButton);
            QVERIFY(asks.asking());
            const questions::Question q = *asks.quiz().pending();
            QCOMPARE(view->player().stepper()->position(), q.moment);
            QCOMPARE(said->text(), QString::fromStdString(q.text));
            if (i % 3 == 2) {
                QTest::mouseClick(view->button("cmdSalta"), Qt::LeftButton);
                QVERIFY(said->text().startsWith("Saltata. "));
                continue;
            }
            const bool right = i % 3 == 0;
            if (!q.choices.empty()) {
                const long choice = right ? q.answer : (q.answer + 1) % long(q.choices.size());
                QTest::mouseClick(view->button("cmdRisposta", int(choice)), Qt::LeftButton);
            } else if (right && q.click == questions::Click::Position && !panel().elementRect(int(q.answer)).isEmpty()) {
                QTest::mouseClick(view->canvas(), Qt::LeftButton, Qt::NoModifier,
                                  panel().elementRect(int(q.answer)).center().toPoint());
            } else {
                QLineEdit *box = view->textBox("txtRisposta");
                QVERIFY(box->isEnabled() && box->hasFocus());
                QTest::keyClicks(box, QString::number(right ? q.answer : q.answer + 1000));
                QTest::keyClick(box, Qt::Key_Return);
            }
            QVERIFY2(said->text().startsWith(right ? "Giusto! " : "No. "), qPrintable(said->text()));
            QVERIFY(!asks.asking());
        }
        QTest::mouseClick(view->button("cmdTutto"), Qt::LeftButton);
        QVERIFY(view->player().stepper()->finished());
        const int n = int(chosen.size());
        const int right = (n + 2) / 3;
        const QString score = QString("%1 %2 su %3").arg(right).arg(right == 1 ? "domanda" : "domande").arg(n);
        QCOMPARE(asks.quiz().score(), score.toStdString());
        QCOMPARE(view->label("lblPunteggio")->text(), score);
    }

    // An exercise's code asks the same questions at the same steps, and its
    // result line counts them.
    void questionsOfACode()
    {
        std::vector<std::string> first;
        for (int time = 0; time < 2; ++time) {
            QVERIFY(open(Setup{SortView, 3}));
            QTest::mouseClick(view->find<QCheckBox>("chkDomande"), Qt::LeftButton);
            typeCode("31415");
            QTRY_VERIFY(!view->questionPanel().quiz().questions().empty());
            std::vector<std::string> asked;
            for (const questions::Question &q : view->questionPanel().quiz().questions())
                asked.push_back(std::to_string(q.moment) + " " + q.text + " " + std::to_string(q.answer));
            if (time == 0) {
                first = asked;
                // Given up at once: the rest plays, the questions stop it.
                panel().giveUp();
                QTRY_VERIFY(view->questionPanel().asking());
                view->questionPanel().skip();
                QVERIFY(view->label("lblPunteggio")->text().contains(" \u00b7 soluzione mostrata dopo 0 passi"));
                view->Unload();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else {
                QCOMPARE(asked, first);
            }
        }
    }

    // The register, opened from the strip: a result line handed in, pasted
    // among other text with a name before it, becomes a valid row; the
    // table sorts, copies tab-separated and saves as a CSV that reads back,
    // whole or not at all.
    void classRegister()
    {
        QVERIFY(open(Setup{SortView, 1}));
        typeCode("10000");
        panel().giveUp();
        QTRY_VERIFY(panel().exercise().over());
        const QString line = view->label("lblPunteggio")->text();
        QTest::mouseClick(view->button("cmdRegistro"), Qt::LeftButton);
        frmRegistro &book = frmRegistro::instance();
        QVERIFY(book.isLoaded());
        QCOMPARE(book.window()->windowTitle(), QString("Registro della classe - prof. Orvalde"));
        QString edited = line;
        edited.replace(" Bubble ", " Heap ");
        book.find<QPlainTextEdit>("txtIncolla")->setPlainText("Buongiorno,\r\nRossi Mario: " + line +
                                                              "\r\nBianchi Anna: " + edited + "\r\n" + line);
        QTest::mouseClick(book.button("cmdLeggi"), Qt::LeftButton);
        auto *grid = book.find<QTableWidget>("grdRegistro");
        QCOMPARE(grid->rowCount(), 3);
        const QString summary = book.label("lblRiepilogo")->text();
        QVERIFY2(summary.startsWith("2 studenti \u00b7 2 righe valide su 3 \u00b7 media: n. 10000 (Bubble) "),
                 qPrintable(summary));
        QVERIFY(summary.endsWith("1 righe ignorate"));
        grid->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(grid->item(0, 0)->text(), QString()); // the line with no name before it
        QCOMPARE(grid->item(1, 0)->text(), QString("Bianchi Anna"));
        QCOMPARE(grid->item(1, 7)->text(), QString("non valido"));
        QCOMPARE(grid->item(2, 7)->text(), QString("valido"));
        QTest::mouseClick(book.button("cmdCopia"), Qt::LeftButton);
        const QStringList copied = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), 4);
        QCOMPARE(copied[0], QString("Studente\tEsercizio\tAlgoritmo\tPassi\tErrori\tDomande\t%\tStato\tMotivo"));
        QVERIFY(copied[2].startsWith("Bianchi Anna\t10000\tHeap\t"));
        QTemporaryDir dir;
        const QString path = dir.filePath("registro.csv");
        QVERIFY(book.SalvaCsv(path));
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QStringList rows = QString::fromUtf8(bytes.mid(3)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 4);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(rows[i].split(';'), copied[i].split('\t'));
        QString error;
        QVERIFY(!book.SalvaCsv(dir.filePath("no/such/folder/registro.csv"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath("no/such/folder/registro.csv")));
        // Ctrl+R in a step view opens it too.
        book.Unload();
        QTest::keyClick(view->window(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(frmRegistro::instance().isLoaded());
        frmRegistro::instance().Unload();
    }
};

QTEST_MAIN(tst_ExerciseViews)
#include "tst_exercise_views.moc"

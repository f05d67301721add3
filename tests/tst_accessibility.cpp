// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns about every control of the four windows: an
// Italian name that says what the control is for, and the right role.
#include "frmABR.h"
#include "frmPassoABR.h"
#include "frmPassoFattoriale.h"
#include "frmPassoRicBin.h"
#include "frmPassoSort.h"
#include "frmRicBin.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "identity.h"
#include "support.h"
#include "window_support.h"
#include "widgets.h"
#include "frmGrafico.h"
#include "frmGuida.h"
#include "step_colours.h"

#include <QAccessible>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTextBrowser>
#include <QtTest>

#include <cmath>

#include <memory>

using namespace quimbra;
using namespace quimbra::testing;

Q_DECLARE_METATYPE(QAccessible::Role)

// The contrast of two colours as WCAG 2 computes it, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class tst_Accessibility final : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedRandom> rnd;
    FixedClock clock;
    std::unique_ptr<frm_Quimbra> menu;

    Form *form(const QString &name) const
    {
        if (name == "frm_Quimbra")
            return menu.get();
        if (name == "frmRicBin")
            return menu->ricBinSlot();
        if (name == "frmABR")
            return menu->abrSlot();
        if (name == "frmPassoSort")
            return menu->sortSlot()->findChild<frmPassoSort *>();
        if (name == "frmPassoRicBin")
            return menu->ricBinSlot()->findChild<frmPassoRicBin *>();
        if (name == "frmPassoABR")
            return menu->abrSlot()->findChild<frmPassoABR *>();
        if (name == "frmPassoFattoriale")
            return menu->ricBinSlot()->findChild<frmPassoFattoriale *>();
        return menu->sortSlot();
    }

    static QWidget *find(QWidget *window, const QString &name, int index)
    {
        for (QWidget *w : window->findChildren<QWidget *>(name)) {
            const QVariant i = w->property("Index");
            if ((i.isValid() ? i.toInt() : -1) == index)
                return w;
        }
        return nullptr;
    }

    static bool isControl(QWidget *w)
    {
        return qobject_cast<QPushButton *>(w) || qobject_cast<ListBox *>(w) ||
               qobject_cast<QLineEdit *>(w);
    }

    static QString accessibleName(QObject *o)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(o);
        return iface ? iface->text(QAccessible::Name) : QString();
    }

    // Every control of the window, as "name" or "name(index)".
    static QStringList controlsOf(QWidget *window)
    {
        QStringList ids;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!isControl(w) || w->objectName().isEmpty())
                continue;
            const QVariant i = w->property("Index");
            ids << (i.isValid() ? QString("%1(%2)").arg(w->objectName()).arg(i.toInt())
                                : w->objectName());
        }
        ids.sort();
        return ids;
    }

private slots:
    void initTestCase()
    {
        applyIdentity(*qApp);
        QAccessible::setActive(true);
        rnd = std::make_unique<ScriptedRandom>();
        menu = std::make_unique<frm_Quimbra>(*rnd, clock);
        menu->Show();
        menu->cmdRicBin_Click();
        menu->cmdABR_Click();
        menu->cmdSort_Click();
        QVERIFY(menu->ricBinSlot() && menu->abrSlot() && menu->sortSlot());
        QVERIFY(QTest::qWaitForWindowExposed(menu->sortSlot()->window()));
        menu->sortSlot()->PassoPasso(0);
        QVERIFY(form("frmPassoSort") && form("frmPassoSort")->isLoaded());
        menu->ricBinSlot()->PassoPasso();
        menu->abrSlot()->PassoPasso();
        menu->ricBinSlot()->PassoFattoriale();
        QVERIFY(form("frmPassoRicBin") && form("frmPassoABR") && form("frmPassoABR")->isLoaded());
        QVERIFY(form("frmPassoFattoriale") && form("frmPassoFattoriale")->isLoaded());
    }

    void cleanupTestCase()
    {
        closeAllWindows();
        menu.reset();
    }

    void controlSaysWhatItIsFor_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QStringList>("words"); // all of them, in any letter case

        const auto button = QAccessible::PushButton;
        const auto list = QAccessible::List;
        const auto text = QAccessible::EditableText;
        const auto label = QAccessible::StaticText;
        auto row = [](const char *window, const char *control, int index, QAccessible::Role role,
                      const QStringList &words) {
            const QString tag = index < 0 ? QString("%1.%2").arg(window, control)
                                          : QString("%1.%2(%3)").arg(window, control).arg(index);
            QTest::newRow(qPrintable(tag))
                << QString(window) << QString(control) << index << role << words;
        };

        row("frm_Quimbra", "cmdFine", -1, button, {"esci", "programma"});
        row("frm_Quimbra", "cmdSort", -1, button, {"ordinament"});
        row("frm_Quimbra", "cmdRicBin", -1, button, {"ricerca binaria"});
        row("frm_Quimbra", "cmdABR", -1, button, {"albero"});

        row("frmRicBin", "txtX", -1, text, {"cercare"});
        row("frmRicBin", "cmdRicBin", -1, button, {"ricerca binaria"});
        row("frmRicBin", "txtFatt", -1, text, {"fattoriale"});
        row("frmRicBin", "cmdFattoriale", -1, button, {"calcola", "fattoriale"});
        row("frmRicBin", "cmdFine", -1, button, {"chiudi"});
        row("frmRicBin", "lstV", -1, list, {"vettore", "ordinato"});
        row("frmRicBin", "lstRB", -1, list, {"ricerca"});
        row("frmRicBin", "lblFatt", -1, label, {"risultato", "fattoriale"});

        row("frmABR", "cmdFine", -1, button, {"chiudi"});
        row("frmABR", "cmdV", 0, button, {"visita anticipata"});
        row("frmABR", "cmdV", 1, button, {"visita simmetrica"});
        row("frmABR", "cmdV", 2, button, {"visita posticipata"});
        row("frmABR", "txtX", -1, text, {"cercare", "albero"});
        row("frmABR", "cmdRicerca", -1, button, {"ricerca", "albero"});
        row("frmABR", "lstX", -1, list, {"tabella", "nodi"});
        row("frmABR", "lstABR", -1, list, {"disegno", "albero"});
        row("frmABR", "lstVet", -1, list, {"chiavi", "ordinate"});
        row("frmABR", "lstRic", -1, list, {"percorso"});
        row("frmABR", "lstV", -1, list, {"visita"});

        row("frmSort", "cmdFine", -1, button, {"chiudi"});
        row("frmSort", "cmdSort", -1, button, {"confronto"});
        const char *sorts[] = {"Insertion", "Bubble", "Shell", "Quick"};
        for (int k = 0; k < 4; ++k) {
            row("frmSort", "lstSort", k, list, {"ordinato", sorts[k]});
            row("frmSort", "lblSort", k, label, {"spostamenti", sorts[k]});
        }

        row("frmPassoSort", "cmdPasso", -1, button, {"passo"});
        row("frmPassoSort", "cmdAvvia", -1, button, {"avvia", "pausa"});
        row("frmPassoSort", "cmdTutto", -1, button, {"fine"});
        row("frmPassoSort", "cmdFine", -1, button, {"chiudi"});
        row("frmPassoSort", "sldVelocita", -1, QAccessible::Slider, {"velocità"});
        row("frmPassoSort", "cboAlgoritmo", -1, QAccessible::ComboBox, {"algoritmo"});
        row("frmPassoSort", "cboDati", -1, QAccessible::ComboBox, {"dati"});
        row("frmPassoSort", "lblConfronti", -1, label, {"confronti"});
        row("frmPassoSort", "lblMosse", -1, label, {"mosse"});
        row("frmPassoSort", "lblPasso", -1, label, {"passo"});

        row("frmPassoRicBin", "txtX", -1, text, {"cercare"});
        row("frmPassoRicBin", "lstPassi", -1, list, {"passi", "ricerca"});
        row("frmPassoRicBin", "cmdPasso", -1, button, {"passo"});
        row("frmPassoRicBin", "lblPasso", -1, label, {"passo"});
        row("frmPassoABR", "txtChiave", -1, text, {"chiave", "albero"});
        row("frmPassoABR", "cmdRicerca", -1, button, {"ricerca", "chiave"});
        row("frmPassoABR", "cmdV", 2, button, {"visita posticipata"});
        row("frmPassoABR", "cmdElimina", -1, button, {"elimina", "chiave"});
        row("frmPassoABR", "lstNodi", -1, list, {"tabella", "nodi"});
        row("frmPassoABR", "lstPassi", -1, list, {"passi", "visita"});
        row("frmPassoABR", "cmdAvvia", -1, button, {"avvia", "pausa"});
        for (const char *view : {"frmPassoSort", "frmPassoRicBin", "frmPassoABR"}) {
            row(view, "cmdEsercizio", -1, button, {"esercizio"});
            row(view, "txtCodice", -1, text, {"codice", "esercizio"});
            row(view, "cmdSoluzione", -1, button, {"soluzione"});
            row(view, "lblPunteggio", -1, label, {"punteggio"});
        }
        row("frmPassoRicBin", "cmdNonCe", -1, button, {"non c'è"});
        row("frmPassoABR", "cmdNonCe", -1, button, {"non c'è"});
    }

    void controlSaysWhatItIsFor()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, index);
        QFETCH(QAccessible::Role, role);
        QFETCH(QStringList, words);

        QWidget *top = form(window)->window();
        QVERIFY(top);
        QWidget *w = find(top, control, index);
        QVERIFY2(w, "no such control");
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY(iface && iface->isValid());
        QCOMPARE(iface->role(), role);

        const QString name = iface->text(QAccessible::Name);
        QVERIFY2(!name.trimmed().isEmpty(), "no accessible name");
        QVERIFY2(name != control, qPrintable("the name is only the control's name: " + name));
        // A label's name is its own text (the result to read out); its purpose
        // is in the description.
        const QString said = name + ' ' + iface->text(QAccessible::Description);
        for (const QString &word : words)
            QVERIFY2(said.contains(word, Qt::CaseInsensitive),
                     qPrintable(QString("\"%1\" lacks \"%2\"").arg(said, word)));

        // A screen reader reaches the control from its window.
        QAccessibleInterface *windowIface = QAccessible::queryAccessibleInterface(top);
        QAccessibleInterface *up = iface->parent();
        while (up && up->object() != top)
            up = up->parent();
        QCOMPARE(up, windowIface);
    }

    // No control is left out of the table above, and within one window no two
    // controls share a name, so that a listener can tell them apart.
    void everyControlNamedOnce_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("frm_Quimbra")
            << QString("frm_Quimbra") << QStringList{"cmdABR", "cmdFine", "cmdRicBin", "cmdSort"};
        QTest::newRow("frmRicBin") << QString("frmRicBin")
                                   << QStringList{"cmdFattoriale", "cmdFine", "cmdRicBin", "lstRB",
                                                  "lstV", "txtFatt", "txtX"};
        QTest::newRow("frmABR") << QString("frmABR")
                                << QStringList{"cmdFine", "cmdRicerca", "cmdV(0)", "cmdV(1)",
                                               "cmdV(2)", "lstABR", "lstRic", "lstV", "lstVet",
                                               "lstX", "txtX"};
        QTest::newRow("frmSort") << QString("frmSort")
                                 << QStringList{"cmdFine", "cmdSort", "lstSort(0)", "lstSort(1)",
                                                "lstSort(2)", "lstSort(3)"};
        QTest::newRow("frmPassoSort")
            << QString("frmPassoSort")
            << QStringList{"cmdAvvia", "cmdCopiaDati", "cmdEsercizio", "cmdFine", "cmdIndietro",
                           "cmdNuoviDati", "cmdPasso", "cmdRegistro", "cmdRisposta(0)", "cmdRisposta(1)",
                           "cmdRisposta(2)", "cmdRisposta(3)", "cmdSalta", "cmdSoluzione", "cmdTutto", "cmdUsaDati",
                           "lstChiamate", "lstCodice", "lstVariabili", "txtCodice", "txtDati", "txtRisposta"};
        QTest::newRow("frmPassoRicBin")
            << QString("frmPassoRicBin")
            << QStringList{"cmdAvvia", "cmdCopiaDati", "cmdEsercizio", "cmdFine", "cmdIndietro",
                           "cmdNonCe", "cmdPasso", "cmdRegistro", "cmdRisposta(0)", "cmdRisposta(1)",
                           "cmdRisposta(2)", "cmdRisposta(3)", "cmdSalta", "cmdSoluzione", "cmdTutto", "cmdUsaDati",
                           "lstChiamate", "lstCodice", "lstPassi", "lstVariabili", "txtCodice", "txtDati",
                           "txtRisposta", "txtX"};
        QTest::newRow("frmPassoABR")
            << QString("frmPassoABR")
            << QStringList{"cmdAvvia", "cmdCopiaDati", "cmdCostruisci", "cmdElimina", "cmdEsercizio",
                           "cmdFine", "cmdIndietro", "cmdInserisci", "cmdNonCe", "cmdPasso", "cmdRegistro",
                           "cmdRicerca", "cmdRisposta(0)", "cmdRisposta(1)", "cmdRisposta(2)", "cmdRisposta(3)",
                           "cmdSalta", "cmdSoluzione", "cmdTutto", "cmdUsaDati", "cmdV(0)", "cmdV(1)", "cmdV(2)",
                           "lstChiamate", "lstCodice", "lstNodi", "lstPassi", "lstVariabili", "txtChiave",
                           "txtCodice", "txtDati", "txtRisposta"};
        QTest::newRow("frmPassoFattoriale")
            << QString("frmPassoFattoriale")
            << QStringList{"cmdAvvia", "cmdFine", "cmdIndietro", "cmdPasso", "cmdRisposta(0)",
                           "cmdRisposta(1)", "cmdRisposta(2)", "cmdRisposta(3)", "cmdSalta", "cmdTutto",
                           "lstChiamate", "lstCodice", "lstVariabili", "txtNumero", "txtRisposta"};
    }

    void everyControlNamedOnce()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, controls);
        QWidget *top = form(window)->window();
        QVERIFY(top);
        QCOMPARE(controlsOf(top), controls);

        QSet<QString> seen;
        for (QWidget *w : top->findChildren<QWidget *>()) {
            if (!isControl(w) && !(qobject_cast<QLabel *>(w) && !w->accessibleName().isEmpty()))
                continue;
            const QString name = accessibleName(w).trimmed().toLower();
            QVERIFY2(!seen.contains(name), qPrintable("two controls are called " + name));
            seen.insert(name);
        }
    }

    void windowNameIsItsCaption_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::newRow("frm_Quimbra") << QString("frm_Quimbra") << QString("Quimbra - prof. Orvalde");
        QTest::newRow("frmRicBin") << QString("frmRicBin")
                                   << QString("Ricerca Binaria - prof. Orvalde");
        QTest::newRow("frmABR") << QString("frmABR")
                                << QString("ABR (Albero Binario di Ricerca) - prof. Orvalde");
        QTest::newRow("frmSort") << QString("frmSort") << QString("Sort - prof. Orvalde");
        QTest::newRow("frmPassoSort")
            << QString("frmPassoSort") << QString("Passo passo: Insertion - prof. Orvalde");
        QTest::newRow("frmPassoRicBin")
            << QString("frmPassoRicBin") << QString("Passo passo: Ricerca Binaria - prof. Orvalde");
        QTest::newRow("frmPassoABR") << QString("frmPassoABR")
                                     << QString("Passo passo: ABR - prof. Orvalde");
    }

    void windowNameIsItsCaption()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QWidget *top = form(window)->window();
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(top);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), caption);
    }

    // The labels that show results must let a listener hear the result, not
    // only what the label is for.
    void resultLabelReadsItsValue_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::newRow("lblFatt") << QString("frmRicBin") << QString("lblFatt") << -1;
        QTest::newRow("lblSort(0)") << QString("frmSort") << QString("lblSort") << 0;
        QTest::newRow("lblSort(3)") << QString("frmSort") << QString("lblSort") << 3;
        QTest::newRow("lblMosse") << QString("frmPassoSort") << QString("lblMosse") << -1;
        QTest::newRow("lblPasso") << QString("frmPassoSort") << QString("lblPasso") << -1;
        QTest::newRow("lblPasso of the search") << QString("frmPassoRicBin") << QString("lblPasso") << -1;
        QTest::newRow("lblPasso of the tree") << QString("frmPassoABR") << QString("lblPasso") << -1;
    }

    void resultLabelReadsItsValue()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, index);
        if (window == "frmRicBin") {
            frmRicBin *w = menu->ricBinSlot();
            w->textBox("txtFatt")->setText("7");
            QTest::mouseClick(w->button("cmdFattoriale"), Qt::LeftButton);
        }
        auto *label = qobject_cast<QLabel *>(find(form(window)->window(), control, index));
        QVERIFY(label && !label->text().trimmed().isEmpty());
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
        QVERIFY(iface);
        const QString spoken = iface->text(QAccessible::Name) + ' ' +
                               iface->text(QAccessible::Value) + ' ' +
                               iface->text(QAccessible::Description);
        // The number itself; for lblFatt the last of its two lines.
        const QString value = label->text().split('\n').last().trimmed();
        QVERIFY2(spoken.contains(value), qPrintable(spoken));
    }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"frm_Quimbra", "frmRicBin", "frmABR", "frmSort", "frmPassoSort",
                                 "frmPassoRicBin", "frmPassoABR"})
            QTest::newRow(name) << QString(name);
    }

    // F1 opens the help at the page of the window it came from.
    void helpAtItsPage_data() { windows_data(); }
    void helpAtItsPage()
    {
        QFETCH(QString, window);
        Form *f = form(window);
        f->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window()));
        QTest::keyClick(f->window(), Qt::Key_F1);
        frmGuida &guide = frmGuida::instance();
        QVERIFY(guide.isLoaded());
        QCOMPARE(guide.page(), window);
        const auto *pages = guide.window()->findChild<ListBox *>("lstPagine");
        QCOMPARE(pages->currentIndex().row(),
                 int(std::find_if(frmGuida::pages().begin(), frmGuida::pages().end(),
                                  [&](const frmGuida::Page &p) { return window == p.window; }) -
                     frmGuida::pages().begin()));
        guide.Unload();
    }

    // Every text that the step views, the chart and the help write on the
    // screen stands out from what lies behind it by at least 4.5 : 1, as the
    // palette of its control has them; and so do the colours the views paint
    // their texts in.
    void textsContrast_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"frmPassoSort", "frmPassoRicBin", "frmPassoABR", "frmGrafico", "frmGuida"})
            QTest::newRow(name) << QString(name);
    }
    void textsContrast()
    {
        QFETCH(QString, window);
        Form *f = nullptr;
        if (window == "frmGrafico") {
            menu->sortSlot()->Grafico();
            f = menu->sortSlot()->findChild<frmGrafico *>();
        } else if (window == "frmGuida") {
            frmGuida::open(window);
            f = &frmGuida::instance();
        } else {
            f = form(window);
        }
        QVERIFY(f && f->isLoaded());
        int checked = 0;
        for (QWidget *w : f->window()->findChildren<QWidget *>()) {
            if (!w->isEnabled() || w->objectName().isEmpty())
                continue;
            const QPalette &p = w->palette();
            QColor text, ground;
            if (qobject_cast<QAbstractItemView *>(w) || qobject_cast<QLineEdit *>(w) ||
                qobject_cast<QTextBrowser *>(w)) {
                text = p.color(QPalette::Text);
                ground = p.color(QPalette::Base);
            } else if (qobject_cast<QAbstractButton *>(w) && !qobject_cast<QCheckBox *>(w)) {
                text = p.color(QPalette::ButtonText);
                ground = p.color(QPalette::Button);
            } else if (qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w)) {
                text = p.color(QPalette::WindowText);
                ground = p.color(QPalette::Window);
            } else {
                continue;
            }
            ++checked;
            QVERIFY2(contrast(text, ground) >= 4.5,
                     qPrintable(QString("%1: %2 on %3, %4 : 1")
                                    .arg(w->objectName(), text.name(), ground.name())
                                    .arg(contrast(text, ground), 0, 'f', 2)));
        }
        QVERIFY(checked >= 3);
        // The painted texts: names and values in the compared colour on the
        // pictures' pale yellow, a lit code line, the changed variables.
        const QColor paleYellow(palette::paleYellow), paleCyan(palette::paleCyan);
        QVERIFY(contrast(stepColour::compared, paleYellow) >= 4.5);
        QVERIFY(contrast(Qt::white, stepColour::lit) >= 4.5);
        QVERIFY(contrast(stepColour::lit, paleCyan) >= 4.5);
        QVERIFY(contrast(Qt::white, stepColour::right) >= 3); // the tick and the cross: marks, not text
        QVERIFY(contrast(Qt::white, stepColour::wrong) >= 3);
        if (window == "frmGrafico" || window == "frmGuida")
            f->Unload();
    }

    // Every control of the step views and the chart says what it does in a
    // tooltip.
    void everyControlHasATooltip_data() { textsContrast_data(); }
    void everyControlHasATooltip()
    {
        QFETCH(QString, window);
        if (window == "frmGuida")
            QSKIP("the help explains itself");
        Form *f = window == "frmGrafico" ? nullptr : form(window);
        if (!f) {
            menu->sortSlot()->Grafico();
            f = menu->sortSlot()->findChild<frmGrafico *>();
        }
        QVERIFY(f && f->isLoaded());
        for (QWidget *w : f->window()->findChildren<QWidget *>()) {
            const bool input = qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                               qobject_cast<QAbstractSlider *>(w) || qobject_cast<ListBox *>(w) ||
                               qobject_cast<Canvas *>(w) || qobject_cast<QLineEdit *>(w);
            if (input && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                QVERIFY2(!w->toolTip().isEmpty(), qPrintable(w->objectName()));
        }
        if (window == "frmGrafico")
            f->Unload();
    }

    // Qt's own texts are Italian: a text box's menu, a dialog's buttons.
    void qtSpeaksItalian()
    {
        QLineEdit box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList entries;
        for (QAction *a : menu->actions())
            entries << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        for (const char *word : {"Annulla", "Copia", "Incolla", "Seleziona tutto"})
            QVERIFY2(entries.contains(QString(word)), qPrintable(entries.join(", ")));
        QMessageBox box2(QMessageBox::Question, "Quimbra", "?", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box2.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QString("S\u00ec"));
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"

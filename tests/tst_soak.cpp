// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long seeded run of random user actions over all four windows: opening
// from the menu, closing by button, close box and keyboard, moving between
// windows, typing any text, pressing every button, Tab, Space and Enter.
// After every action it checks what must always hold in every open window.
//
// QUIMBRA_SOAK_SEED picks the run (a fresh seed otherwise, printed at the
// start); QUIMBRA_SOAK_ACTIONS sets its length.
#include "frmABR.h"
#include "frmRicBin.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "fuzz/reference.h"
#include "identity.h"
#include "support.h"
#include "window_support.h"
#include "widgets.h"
#include "zoom.h"

#include <QComboBox>
#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <random>

using namespace quimbra;
using namespace quimbra::testing;

namespace {

// The offscreen platform warns at every raise() and size hint. Over a long run
// thousands of those lines would bury the run's own report, so they are dropped.
QtMessageHandler testLogHandler = nullptr;

void dropPlatformNotices(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    testLogHandler(type, context, text);
}

// The program's random source for the run: mostly uniform, but each loading
// may instead draw from a handful of values, one value only, or the two ends
// of [0, 1), so that repeated and extreme values are common.
class SoakRandom final : public RandomSource
{
  public:
    explicit SoakRandom(std::uint64_t seed) : engine_(seed) {}

    void seed(float) override
    {
        ++seeds;
        const int roll = std::uniform_int_distribution<int>(0, 99)(engine_);
        mode_ = roll < 70   ? Mode::Uniform
                : roll < 85 ? Mode::Few
                : roll < 93 ? Mode::Constant
                            : Mode::Ends;
        for (double &v : few_)
            v = uniform_(engine_);
    }
    double next() override
    {
        ++draws;
        switch (mode_) {
        case Mode::Uniform:
            return uniform_(engine_);
        case Mode::Few:
            return few_[std::uniform_int_distribution<std::size_t>(0, few_.size() - 1)(engine_)];
        case Mode::Constant:
            return few_[0];
        case Mode::Ends:
            return std::bernoulli_distribution(0.5)(engine_) ? 0.0 : std::nextafter(1.0, 0.0);
        }
        return 0.0;
    }

    long draws = 0;
    int seeds = 0;

  private:
    enum class Mode
    {
        Uniform,
        Few,
        Constant,
        Ends
    };
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    Mode mode_ = Mode::Uniform;
    std::array<double, 4> few_{};
};

const QString BoxText =
    QStringLiteral("Numero troppo grande, al massimo calcolo il fattoriale di 12");
const QString FactorialCaption = QStringLiteral("il Fattoriale \u00e8 \n");

QString padded(long long n, int w)
{
    return QString::number(n).rightJustified(w, QLatin1Char(' '));
}

// n! grouped by threes with the Italian full stop; 1 for every n <= 1.
QString groupedFactorial(int n)
{
    long long f = 1;
    for (int k = 2; k <= n; ++k)
        f *= k;
    QString digits = QString::number(f);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char('.'));
    return digits;
}

bool isBareNumber(const QString &s)
{
    if (s.isEmpty() || s.size() > 7 || (s.size() > 1 && s[0] == QLatin1Char('0'))) return false;
    return std::all_of(s.begin(), s.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// What the run expects of each demonstration window between actions.
struct RicBinModel
{
    QPointer<QWidget> window;
    QStringList lstRB;
    QString lblFatt;
};

struct AbrModel
{
    QPointer<QWidget> window;
    QStringList lstVet, lstX, lstABR, lstRic, lstV;
    std::array<int, 32> Inf{}; // the node table as listed, node 1 the root
};

struct SortModel
{
    QPointer<QWidget> window;
};

// The number of activations (of 1000 draws each) an action may cause.
struct Activations
{
    int least = 0;
    int most = 0;
};

} // namespace

class tst_Soak final : public QObject
{
    Q_OBJECT

    std::uint64_t seed = 0;
    long actionCount = 0;
    std::mt19937_64 rng;
    std::unique_ptr<SoakRandom> rnd;
    FixedClock clock;
    std::unique_ptr<frm_Quimbra> menu;
    std::unique_ptr<QWidget> other; // stands for another application's window
    QTimer boxAnswerer;
    QLocale originalLocale;

    RicBinModel ricbinModel;
    AbrModel abrModel;
    SortModel sortModel;
    int abrLoads = 0;
    long sideDraws = 0; // drawn by the windows that the demonstrations open, in this action
    int boxesAnswered = 0;
    int expectedBoxes = 0;
    QString failure;
    std::deque<QString> recent;
    QMap<QString, int> kinds; // how often each kind of action ran

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng); }

    bool expect(bool ok, const QString &what)
    {
        if (!ok && failure.isEmpty()) failure = what;
        return ok;
    }

    void note(const QString &what)
    {
        ++kinds[what.section(QLatin1Char(' '), 0, 0)];
        recent.push_back(what);
        if (recent.size() > 12) recent.pop_front();
    }

    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    QList<Form *> loadedForms() const
    {
        QList<Form *> all;
        if (menu->isLoaded()) all << menu.get();
        for (Form *f :
             {static_cast<Form *>(menu->ricBinSlot()), static_cast<Form *>(menu->abrSlot()),
              static_cast<Form *>(menu->sortSlot())})
            if (f && f->isLoaded()) all << f;
        return all;
    }

    bool isOurs(QWindow *w) const
    {
        if (!w) return false;
        const QList<Form *> forms = loadedForms();
        return std::any_of(forms.begin(), forms.end(),
                           [w](Form *f) { return f->window()->windowHandle() == w; });
    }

    bool drawsOnActivation(const Form *f) const
    {
        return f && (f == menu->ricBinSlot() || f == menu->sortSlot());
    }

    QString randomText()
    {
        static const char *const fixed[] = {
            "",
            "0",
            "1",
            "-1",
            "12",
            "13",
            "12.4",
            "12.5",
            "12.6",
            "2.5",
            "3.5",
            "-2.5",
            "4987",
            "-5",
            "10000",
            "9999",
            "32767",
            "32768",
            "-32768",
            "-32769",
            "40000",
            "-99999",
            "1e3",
            "1E4",
            "25D-1",
            "1e999999999",
            "-1e99999",
            "5e-3",
            ".5",
            "0.6",
            "0.4",
            "7abc",
            "12abc",
            "abc",
            "&H7FFF",
            "&HFFFF",
            "&h10",
            "&O777",
            "&o8",
            "&H-1",
            "&",
            "+-3",
            "- 7",
            "1 2 3",
            "\t42\n",
            "1,5",
            "1.2.3",
            "\u20ac5",
            "\u00e8",
            "citt\u00e0",
            "\U0001F600",
            "\u0663",
            "12\u0301",
            "  -  0012.50 ",
            "99999999999999999999.5",
            "0.50000000000000000000000000001",
            "32767.5",
            "-32768.5",
        };
        const int kind = pick(10);
        if (kind < 5) return QString::fromUtf8(fixed[pick(static_cast<int>(std::size(fixed)))]);
        if (kind < 7)
            return QString::number(std::uniform_int_distribution<int>(-40000, 40000)(rng));
        if (kind == 7) { // huge
            const int n = std::uniform_int_distribution<int>(1000, 100000)(rng);
            switch (pick(4)) {
            case 0:
                return QString(n, QLatin1Char('9'));
            case 1:
                return QStringLiteral("0.") + QString(n, QLatin1Char('0')) + QStringLiteral("5");
            case 2:
                return QStringLiteral("12.5") + QString(n, QLatin1Char('0'));
            default:
                return QString(n, QChar(0x00E8));
            }
        }
        // Random characters from a mixed alphabet.
        static const QString alphabet =
            QStringLiteral("0123456789+-.eEdD&hHoO \tabcx,\u00e8\u20ac\u00a0");
        QString s;
        const int n = pick(12);
        for (int i = 0; i < n; ++i)
            s += alphabet[pick(static_cast<int>(alphabet.size()))];
        if (chance(0.1)) s += QString::fromUtf8("\U0001F600");
        return s;
    }

    QStringList expectedSearch(const QStringList &lstV, const QString &typed)
    {
        const int x = reference::readNumber(typed.toStdString());
        QStringList lines;
        if (x == 0) return lines;
        std::vector<int> V(1001, 0);
        for (int i = 1; i <= 1000; ++i)
            V[static_cast<std::size_t>(i)] = lstV[i - 1].mid(7).trimmed().toInt();
        int low = 1, high = 1000;
        bool found = false;
        while (low <= high && !found) {
            const int middle = (low + high) / 2;
            const int v = V[static_cast<std::size_t>(middle)];
            lines << QStringLiteral("%1 - %2 - %3 : %4").arg(low).arg(middle).arg(high).arg(v);
            if (v == x)
                found = true;
            else if (x < v)
                high = middle - 1;
            else
                low = middle + 1;
        }
        QList<uint> tail = (QStringLiteral("    ") + typed).toUcs4();
        tail = tail.mid(tail.size() - 4);
        const QString t =
            QString::fromUcs4(reinterpret_cast<const char32_t *>(tail.constData()), 4);
        const QString frame(22, QLatin1Char('*'));
        lines << frame
              << QStringLiteral("*** ") + t +
                     (found ? QStringLiteral(" TROVATO ! ***")
                            : QStringLiteral(" NON c'\u00e8 ! ***"))
              << frame;
        return lines;
    }

    QStringList expectedTreeSearch(const QString &typed) const
    {
        const int x = reference::readNumber(typed.toStdString());
        QStringList lines;
        if (x == 0) return lines;
        bool found = false;
        for (int k = 1; k <= 31;) {
            lines << QString::number(abrModel.Inf[static_cast<std::size_t>(k)]);
            if (abrModel.Inf[static_cast<std::size_t>(k)] == x) {
                found = true;
                break;
            }
            if (k >= 16) break;
            k = x < abrModel.Inf[static_cast<std::size_t>(k)] ? 2 * k : 2 * k + 1;
        }
        lines << QStringLiteral("*******")
              << (found ? QStringLiteral("TROVATO") : QStringLiteral("NON c'\u00e8"))
              << QStringLiteral("*******");
        return lines;
    }

    void visit(int k, int order, QStringList &out) const
    {
        if (k > 31) return;
        const QString key = padded(abrModel.Inf[static_cast<std::size_t>(k)], 4);
        if (order == 0) out << key;
        visit(2 * k, order, out);
        if (order == 1) out << key;
        visit(2 * k + 1, order, out);
        if (order == 2) out << key;
    }

    QStringList expectedVisit(int index) const
    {
        static const char *const titles[] = {" ANT", "SIMM", "POST"};
        QStringList out{QString::fromLatin1(titles[index]), QStringLiteral("----")};
        visit(1, index, out);
        return out;
    }

    // The three tree lists of a fresh load: formats, the perfect tree over the
    // sorted keys, and the drawing.
    void takeTree(frmABR *w)
    {
        AbrModel &m = abrModel;
        m.lstVet = w->list("lstVet")->lines();
        m.lstX = w->list("lstX")->lines();
        m.lstABR = w->list("lstABR")->lines();
        m.lstRic.clear();
        m.lstV.clear();
        if (!expect(m.lstVet.size() == 33 && m.lstX.size() == 33 && m.lstABR.size() == 32,
                    QStringLiteral("tree lists hold 33/33/32 lines")))
            return;
        expect(m.lstVet[0] == QStringLiteral(" Vettore") &&
                   m.lstVet[1] == QString(10, QLatin1Char('-')),
               QStringLiteral("lstVet heading"));
        std::array<int, 32> Vet{};
        for (int i = 1; i <= 31; ++i) {
            const QString &line = m.lstVet[i + 1];
            Vet[static_cast<std::size_t>(i)] = line.mid(5).trimmed().toInt();
            const int key = Vet[static_cast<std::size_t>(i)];
            expect(line == padded(i, 2) + QStringLiteral(" - ") + padded(key, 3) && key >= 0 &&
                       key <= 999 && (i == 1 || key >= Vet[static_cast<std::size_t>(i - 1)]),
                   QStringLiteral("lstVet line %1: '%2'").arg(i).arg(line));
        }
        expect(m.lstX[0] == QStringLiteral(" n   Inf   Sx   Dx   Pd   l") &&
                   m.lstX[1] == QString(28, QLatin1Char('-')),
               QStringLiteral("lstX heading"));
        for (int k = 1; k <= 31; ++k) {
            const int level = k >= 16 ? 4 : k >= 8 ? 3 : k >= 4 ? 2 : k >= 2 ? 1 : 0;
            // Node k at level d holds Vet((2k - 2^(d+1) + 1) * 2^(4-d)).
            const int inf =
                Vet[static_cast<std::size_t>((2 * k - (2 << level) + 1) * (1 << (4 - level)))];
            const int child = k < 16 ? 2 * k : 0;
            m.Inf[static_cast<std::size_t>(k)] = inf;
            const QString row = padded(k, 2) + QStringLiteral(" - ") + padded(inf, 3) +
                                QStringLiteral(" - ") + padded(child, 2) + QStringLiteral(" - ") +
                                padded(child ? child + 1 : 0, 2) + QStringLiteral(" - ") +
                                padded(k / 2, 2) + QStringLiteral(" - ") + QString::number(level);
            expect(
                m.lstX[k + 1] == row,
                QStringLiteral("lstX row %1: '%2', expected '%3'").arg(k).arg(m.lstX[k + 1], row));
        }
        QStringList drawing{QStringLiteral(" ")};
        std::function<void(int)> draw = [&](int k) {
            if (k > 31) return;
            draw(2 * k + 1);
            const int level = k >= 16 ? 4 : k >= 8 ? 3 : k >= 4 ? 2 : k >= 2 ? 1 : 0;
            drawing << QString(6 * level, QLatin1Char(' ')) +
                           padded(m.Inf[static_cast<std::size_t>(k)], 6);
            draw(2 * k);
        };
        draw(1);
        expect(m.lstABR == drawing, QStringLiteral("lstABR drawing"));
    }

    void syncLoads()
    {
        if (frmRicBin *w = menu->ricBinSlot();
            w && w->isLoaded() && w->window() != ricbinModel.window) {
            ricbinModel = {w->window(), {}, {}};
            expect(w->textBox("txtX")->text().isEmpty() && w->textBox("txtFatt")->text().isEmpty(),
                   QStringLiteral("frmRicBin text boxes start empty"));
        }
        if (frmABR *w = menu->abrSlot(); w && w->isLoaded() && w->window() != abrModel.window) {
            abrModel.window = w->window();
            ++abrLoads;
            takeTree(w);
            expect(w->textBox("txtX")->text().isEmpty(),
                   QStringLiteral("frmABR text box starts empty"));
        }
        if (frmSort *w = menu->sortSlot(); w && w->isLoaded() && w->window() != sortModel.window)
            sortModel.window = w->window();
    }

    void checkRicBin(frmRicBin *w)
    {
        expect(w->window()->windowTitle() == QStringLiteral("Ricerca Binaria - prof. Orvalde"),
               QStringLiteral("frmRicBin title"));
        const QStringList lstV = w->list("lstV")->lines();
        if (!expect(lstV.size() == 1000, QStringLiteral("lstV holds %1 lines").arg(lstV.size())))
            return;
        int previous = -1;
        for (int i = 1; i <= 1000; ++i) {
            const QString &line = lstV[i - 1];
            const int v = line.mid(7).trimmed().toInt();
            if (!expect(line.size() == 12 &&
                            line == padded(i, 4) + QStringLiteral(" - ") + padded(v, 5) && v >= 0 &&
                            v <= 9999 && v >= previous,
                        QStringLiteral("lstV line %1: '%2'").arg(i).arg(line)))
                return;
            previous = v;
        }
        expect(w->list("lstRB")->lines() == ricbinModel.lstRB,
               QStringLiteral("lstRB: %1")
                   .arg(w->list("lstRB")->lines().join(QLatin1Char('|')).left(300)));
        const QString fatt = w->label("lblFatt")->text();
        expect(fatt == ricbinModel.lblFatt,
               QStringLiteral("lblFatt '%1', expected '%2'").arg(fatt, ricbinModel.lblFatt));
        bool wellFormed = fatt.isEmpty();
        for (int n = 1; n <= 12 && !wellFormed; ++n)
            wellFormed = fatt == FactorialCaption + groupedFactorial(n);
        expect(wellFormed,
               QStringLiteral("lblFatt is empty or a grouped factorial: '%1'").arg(fatt));
    }

    void checkAbr(frmABR *w)
    {
        expect(w->window()->windowTitle() ==
                   QStringLiteral("ABR (Albero Binario di Ricerca) - prof. Orvalde"),
               QStringLiteral("frmABR title"));
        expect(w->list("lstVet")->lines() == abrModel.lstVet &&
                   w->list("lstX")->lines() == abrModel.lstX &&
                   w->list("lstABR")->lines() == abrModel.lstABR,
               QStringLiteral("the tree lists stay as loaded"));
        expect(w->list("lstRic")->lines() == abrModel.lstRic,
               QStringLiteral("lstRic: %1").arg(w->list("lstRic")->lines().join(QLatin1Char('|'))));
        expect(w->list("lstV")->lines() == abrModel.lstV, QStringLiteral("lstV of the visits"));
    }

    void checkSort(frmSort *w)
    {
        expect(w->window()->windowTitle() == QStringLiteral("Sort - prof. Orvalde"),
               QStringLiteral("frmSort title"));
        static const char *const titles[] = {"Insertion", "Bubble", "Shell", "Quick"};
        std::array<long, 4> counts{};
        for (int k = 0; k < 4; ++k) {
            expect(w->label("lblTitSort", k)->text() == QString::fromLatin1(titles[k]),
                   QStringLiteral("title of column %1").arg(k));
            const QString c = w->label("lblSort", k)->text();
            expect(isBareNumber(c),
                   QStringLiteral("count of column %1 is a bare number: '%2'").arg(k).arg(c));
            counts[static_cast<std::size_t>(k)] = c.toLong();
        }
        const QStringList first = w->list("lstSort", 0)->lines();
        if (!expect(first.size() == 1000,
                    QStringLiteral("lstSort(0) holds %1 lines").arg(first.size())))
            return;
        for (int k = 1; k < 4; ++k)
            expect(w->list("lstSort", k)->lines() == first,
                   QStringLiteral("lstSort(%1) equals lstSort(0)").arg(k));
        int previous = 0;
        for (const QString &line : first) {
            const int v = line.toInt();
            if (!expect(isBareNumber(line) && v >= 1 && v <= 10000 && v >= previous,
                        QStringLiteral("sorted line '%1'").arg(line)))
                return;
            previous = v;
        }
        expect(counts[2] >= 6464, QStringLiteral("Shell counts at least 6464"));
        expect(counts[0] <= 499500 && counts[1] <= 499500,
               QStringLiteral("exchange counts at most 499500"));
        expect((counts[0] == 0) == (counts[1] == 0),
               QStringLiteral("Insertion and Bubble count 0 together"));
        if (first.front() == first.back())
            expect(counts == std::array<long, 4>{0, 0, 6464, 500499},
                   QStringLiteral("1000 equal values count 0, 0, 6464, 500499"));
    }

    void checkAll()
    {
        syncLoads();
        if (menu->isLoaded())
            expect(menu->window()->windowTitle() == QStringLiteral("Quimbra - prof. Orvalde"),
                   QStringLiteral("menu title"));
        if (frmRicBin *w = menu->ricBinSlot(); w && w->isLoaded()) checkRicBin(w);
        if (frmABR *w = menu->abrSlot(); w && w->isLoaded()) checkAbr(w);
        if (frmSort *w = menu->sortSlot(); w && w->isLoaded()) checkSort(w);
        expect(!QApplication::activeModalWidget(), QStringLiteral("no modal box left open"));
    }

    // What pressing this button will do to the expected contents; returns the
    // activations it may cause.
    Activations expectPress(Form *form, QAbstractButton *b, bool *endsProgram = nullptr)
    {
        const QString name = b->objectName();
        if (form == menu.get()) {
            if (name == QLatin1String("cmdFine")) {
                if (endsProgram) *endsProgram = true;
                return {0, 3};
            }
            const bool draws = name != QLatin1String("cmdABR");
            return {draws ? 1 : 0, draws ? 1 : 0};
        }
        if (name == QLatin1String("cmdFine")) return {0, 1};
        if (form == menu->ricBinSlot()) {
            frmRicBin *w = menu->ricBinSlot();
            if (name == QLatin1String("cmdRicBin")) {
                ricbinModel.lstRB =
                    expectedSearch(w->list("lstV")->lines(), w->textBox("txtX")->text());
            } else if (name == QLatin1String("cmdFattoriale")) {
                const int n = reference::readNumber(w->textBox("txtFatt")->text().toStdString());
                if (n > 12)
                    ++expectedBoxes;
                else
                    ricbinModel.lblFatt = FactorialCaption + groupedFactorial(n);
            }
            return {0, 0};
        }
        if (form == menu->abrSlot()) {
            if (name == QLatin1String("cmdRicerca"))
                abrModel.lstRic = expectedTreeSearch(menu->abrSlot()->textBox("txtX")->text());
            else if (name == QLatin1String("cmdV"))
                abrModel.lstV = expectedVisit(b->property("Index").toInt());
            return {0, 0};
        }
        return {1, 1}; // "SORT"
    }

    Activations openFromMenu()
    {
        static const char *const names[] = {"cmdSort", "cmdRicBin", "cmdABR"};
        const int which = pick(3);
        const bool viaButton = menu->isLoaded();
        note(QStringLiteral("menu %1 %2")
                 .arg(QLatin1String(names[which]),
                      viaButton ? QStringLiteral("button") : QStringLiteral("handler")));
        const bool draws = which != 2;
        if (viaButton) {
            QAbstractButton *b = menu->button(names[which]);
            if (chance(0.8))
                QTest::mouseClick(b, Qt::LeftButton);
            else
                b->click();
        } else if (which == 0) {
            menu->cmdSort_Click();
        } else if (which == 1) {
            menu->cmdRicBin_Click();
        } else {
            menu->cmdABR_Click();
        }
        Form *shown = which == 0   ? static_cast<Form *>(menu->sortSlot())
                      : which == 1 ? static_cast<Form *>(menu->ricBinSlot())
                                   : static_cast<Form *>(menu->abrSlot());
        // Wait as a user would until the window has the focus it was given.
        expect(QTest::qWaitForWindowActive(shown->window()),
               QStringLiteral("a shown window becomes active"));
        return {draws ? 1 : 0, draws ? 1 : 0};
    }

    Activations menuFine()
    {
        note(QStringLiteral("menu Fine"));
        if (chance(0.5))
            QTest::mouseClick(menu->button("cmdFine"), Qt::LeftButton);
        else
            menu->button("cmdFine")->click();
        settle();
        expect(loadedForms().isEmpty(), QStringLiteral("Fine closes every window"));
        return {0, 3};
    }

    Activations closeDemo(Form *f)
    {
        const int how = pick(3);
        note(QStringLiteral("close %1 by %2")
                 .arg(f->window()->objectName(), how == 0   ? QStringLiteral("Fine")
                                                 : how == 1 ? QStringLiteral("close box")
                                                            : QStringLiteral("keyboard")));
        // The button is reached inside its window; the close box is the window
        // system's own and needs no activation.
        const Activations reached = how == 1 ? Activations{0, 0} : reach(f);
        QAbstractButton *fine = f->button("cmdFine");
        if (how == 0) {
            QTest::mouseClick(fine, Qt::LeftButton);
        } else if (how == 1) {
            f->window()->close();
        } else {
            fine->setFocus();
            QTest::keyClick(fine, chance(0.5) ? Qt::Key_Space : Qt::Key_Return);
        }
        expect(!f->isLoaded(), QStringLiteral("the window is unloaded"));
        return plus(reached, {0, 1});
    }

    Activations activate(Form *target)
    {
        QWindow *before = QGuiApplication::focusWindow();
        QWidget *w = target->window();
        note(QStringLiteral("activate %1").arg(w->objectName()));
        w->activateWindow();
        expect(QTest::qWaitForWindowActive(w), QStringLiteral("window becomes active"));
        settle();
        if (!drawsOnActivation(target) || before == w->windowHandle()) return {0, 0};
        // From another of our windows it always counts; from elsewhere only
        // when it is not the window last active.
        return isOurs(before) ? Activations{1, 1} : Activations{0, 1};
    }

    // A user reaches a control by clicking into its window first, which makes
    // that window the active one.
    Activations reach(Form *f)
    {
        if (QGuiApplication::focusWindow() == f->window()->windowHandle()) return {0, 0};
        return activate(f);
    }

    static Activations plus(Activations a, Activations b)
    {
        return {a.least + b.least, a.most + b.most};
    }

    Activations activateOther()
    {
        note(QStringLiteral("activate another application"));
        if (!other->isVisible()) other->show();
        other->activateWindow();
        expect(QTest::qWaitForWindowActive(other.get()),
               QStringLiteral("other window becomes active"));
        return {0, 0};
    }

    Activations type(Form *f)
    {
        const Activations reached = reach(f);
        if (!f->isLoaded()) return reached;
        const bool ricbin = f == menu->ricBinSlot();
        QLineEdit *box = f->textBox(ricbin && chance(0.5) ? "txtFatt" : "txtX");
        const QString text = randomText();
        note(QStringLiteral("type into %1: '%2'%3")
                 .arg(box->objectName(), text.left(40),
                      text.size() > 40 ? QStringLiteral("... (%1)").arg(text.size()) : QString()));
        // Typed key by key only when every character is one key of its own.
        const bool printable =
            text.size() <= 30 && std::none_of(text.begin(), text.end(), [](QChar c) {
                return c < QLatin1Char(' ') || c.isSurrogate();
            });
        if (printable && chance(0.5)) {
            box->clear();
            for (QChar c : text) {
                if (c.unicode() < 0x80)
                    QTest::keyClick(box, static_cast<char>(c.unicode()));
                else // a key of a keyboard layout that types it
                    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
            }
        } else {
            box->setText(text);
        }
        expect(box->text() == text, QStringLiteral("the text box holds what was typed"));
        return reached;
    }

    // A window that a demonstration window opens: a step view (F2), the help
    // (F1) or, from the sorting window, the growth chart (F3). Opened by its
    // key, given a few inputs as they fall (clicks on its buttons, lists,
    // picture and sliders, a choice, digits typed, Space, Enter, Left, Tab),
    // then closed with its Fine. What it draws is its own (the step view's
    // random values, the chart's vectors); closing it may hand the
    // activation back to the demonstration window.
    Activations sideWindow(Form *f)
    {
        const Activations reached = reach(f);
        if (!f->isLoaded())
            return reached;
        const int kind = pick(f == menu->sortSlot() ? 4 : 3);
        const Qt::Key key = kind == 0 ? Qt::Key_F2 : kind == 1 ? Qt::Key_F1 : kind == 2 ? Qt::Key_R : Qt::Key_F3;
        const Qt::KeyboardModifiers modifiers = kind == 2 ? Qt::ControlModifier : Qt::NoModifier;
        QWidget *window = f->window();
        note(QStringLiteral("side window by key %1 from %2").arg(int(key)).arg(window->objectName()));
        const long before = rnd->draws;
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key, modifiers);
        settle();
        QPointer<QWidget> side = QApplication::activeWindow();
        static const QStringList sides{"frmPassoSort", "frmPassoRicBin", "frmPassoABR", "frmPassoFattoriale",
                                       "frmGrafico", "frmGuida", "frmRegistro"};
        if (!expect(side && sides.contains(side->objectName()), QStringLiteral("the key opens its window")))
            return reached;
        for (int n = 1 + pick(8); n > 0 && side && side->isVisible(); --n) {
            QList<QWidget *> inputs;
            for (QWidget *w : side->findChildren<QWidget *>()) {
                const bool input = qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                                   qobject_cast<QAbstractSlider *>(w) || qobject_cast<ListBox *>(w) ||
                                   qobject_cast<Canvas *>(w) || qobject_cast<QLineEdit *>(w) ||
                                   qobject_cast<QPlainTextEdit *>(w);
                // Fine closes it at the end; "Salva immagine…" waits for a file name.
                if (input && w->isVisible() && w->isEnabled() && w->objectName() != QLatin1String("cmdFine") &&
                    w->objectName() != QLatin1String("cmdSalva"))
                    inputs << w;
            }
            if (inputs.isEmpty() || chance(0.25)) {
                static const Qt::Key keys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Left, Qt::Key_Tab};
                QWidget *focus = side->focusWidget() ? side->focusWidget() : side.data();
                // Fine and "Salva immagine…" are left alone here too: Tab goes past them.
                const bool spared = focus->objectName() == QLatin1String("cmdFine") ||
                                    focus->objectName() == QLatin1String("cmdSalva");
                const Qt::Key k = spared ? Qt::Key_Tab : keys[pick(4)];
                note(QStringLiteral("side key %1 on %2").arg(int(k)).arg(focus->objectName()));
                QTest::keyClick(focus, k);
            } else {
                QWidget *w = inputs[pick(static_cast<int>(inputs.size()))];
                note(QStringLiteral("side input on %1 in %2").arg(w->objectName(), side->objectName()));
                if (auto *choice = qobject_cast<QComboBox *>(w)) {
                    const int entry = pick(std::max(1, choice->count()));
                    choice->setCurrentIndex(entry);
                    emit choice->activated(entry);
                } else if (auto *slider = qobject_cast<QAbstractSlider *>(w)) {
                    QTest::keyClick(slider, chance(0.5) ? Qt::Key_Right : Qt::Key_PageDown);
                } else if (auto *area = qobject_cast<QPlainTextEdit *>(w)) {
                    // Text pasted into the register: now and then a result line, whole or cut.
                    area->setFocus();
                    QString text = randomText();
                    if (chance(0.5))
                        text += QStringLiteral("\nRossi: Esercizio n. %1 \u00b7 Bubble \u00b7 %2 passi \u00b7 0 errori \u00b7 100 %")
                                    .arg(10000 + pick(90000)).arg(pick(40))
                                    .left(20 + pick(60));
                    area->insertPlainText(text);
                } else if (auto *box = qobject_cast<QLineEdit *>(w)) {
                    box->setFocus();
                    box->selectAll();
                    QString text = QString::number(pick(100000));
                    // A list of values, now and then with a value out of bounds.
                    if (box->objectName() == QLatin1String("txtDati"))
                        for (int k = pick(40); k > 0; --k)
                            text += QStringLiteral(" ,;").at(pick(3)) + QString::number(pick(chance(0.05) ? 100000 : 32000));
                    QTest::keyClicks(box, text);
                    if (chance(0.5))
                        QTest::keyClick(box, Qt::Key_Return);
                } else {
                    const QPoint at(pick(std::max(1, w->width())), pick(std::max(1, w->height())));
                    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
                }
            }
            settle();
        }
        if (side && side->isVisible()) {
            // A number typed and not yet taken counts as the focus leaves it:
            // inside the side window, before what it drew is counted.
            side->setFocus();
            settle();
            sideDraws += rnd->draws - before;
            QTest::mouseClick(side->findChild<QPushButton *>(QStringLiteral("cmdFine")), Qt::LeftButton);
            settle();
        }
        expect(!side || !side->isVisible(), QStringLiteral("Fine closes the side window"));
        return plus(reached, {0, 1});
    }

    Activations press(Form *f)
    {
        const Activations reached = reach(f);
        QList<QAbstractButton *> buttons;
        if (f == menu->ricBinSlot())
            buttons = {f->button("cmdRicBin"), f->button("cmdFattoriale")};
        else if (f == menu->abrSlot())
            buttons = {f->button("cmdRicerca"), f->button("cmdV", 0), f->button("cmdV", 1),
                       f->button("cmdV", 2)};
        else
            buttons = {f->button("cmdSort")};
        QAbstractButton *b = buttons[pick(static_cast<int>(buttons.size()))];
        const int how = pick(4);
        note(QStringLiteral("press %1 %2 on %3 by %4")
                 .arg(b->objectName(), b->property("Index").toString(), f->window()->objectName())
                 .arg(how));
        // What the program reads is what the boxes hold now.
        const QStringList boxes = textBoxes(f);
        const Activations a = expectPress(f, b);
        // The hidden "SORT" cannot be clicked with the mouse.
        if (how == 0 && b->objectName() != QLatin1String("cmdSort")) {
            QTest::mouseClick(b, Qt::LeftButton);
        } else if (how == 1) {
            b->click();
        } else {
            b->setFocus();
            QTest::keyClick(b, how == 2 ? Qt::Key_Space : Qt::Key_Return);
        }
        expect(textBoxes(f) == boxes,
               QStringLiteral("pressing a button leaves the text boxes alone"));
        return plus(reached, a);
    }

    static QStringList textBoxes(Form *f)
    {
        QStringList texts;
        for (QLineEdit *e : f->window()->findChildren<QLineEdit *>())
            texts << e->text();
        return texts;
    }

    // Tab, Shift+Tab, Space and Enter as they fall, on whatever has the focus.
    Activations keyboard(Form *f, bool *endsProgram)
    {
        const Activations reached = reach(f);
        QWidget *window = f->window();
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        const int key = pick(6);
        if (key == 5) {
            // A zoom step is no activation and changes no contents (checkAll).
            static const Qt::Key zoomKeys[] = {Qt::Key_Plus, Qt::Key_Equal, Qt::Key_Minus, Qt::Key_0};
            const Qt::Key z = zoomKeys[pick(4)];
            note(QStringLiteral("Ctrl key %1 on %2 in %3").arg(int(z)).arg(focus->objectName(), window->objectName()));
            QTest::keyClick(focus, z, Qt::ControlModifier);
            expect(z != Qt::Key_0 || zoomPercent() == 100, QStringLiteral("Ctrl 0 brings the zoom back to 100 %"));
            return reached;
        }
        if (key < 2) {
            note(QStringLiteral("%1 in %2")
                     .arg(key == 0 ? QStringLiteral("Tab") : QStringLiteral("Backtab"),
                          window->objectName()));
            QTest::keyClick(focus, key == 0 ? Qt::Key_Tab : Qt::Key_Backtab);
            expect(!window->focusWidget() || window->focusWidget()->window() == window,
                   QStringLiteral("Tab stays inside the window"));
            return reached;
        }
        const Qt::Key k = key == 2 ? Qt::Key_Space : key == 3 ? Qt::Key_Return : Qt::Key_Enter;
        note(QStringLiteral("key %1 on %2 %3 in %4")
                 .arg(int(k))
                 .arg(focus->objectName(), focus->property("Index").toString(),
                      window->objectName()));
        Activations a{0, 0};
        auto *b = qobject_cast<QAbstractButton *>(focus);
        const QStringList boxes = textBoxes(f);
        if (b) a = expectPress(f, b, endsProgram);
        QTest::keyClick(focus, k);
        if (b && f == menu.get() && !*endsProgram) {
            // Wait as a user would until the window shown has the focus.
            const QString name = b->objectName();
            Form *shown = name == QLatin1String("cmdSort") ? static_cast<Form *>(menu->sortSlot())
                          : name == QLatin1String("cmdRicBin")
                              ? static_cast<Form *>(menu->ricBinSlot())
                              : static_cast<Form *>(menu->abrSlot());
            expect(shown && shown->isLoaded() && QTest::qWaitForWindowActive(shown->window()),
                   QStringLiteral("a shown window becomes active"));
        }
        if (b && f->isLoaded())
            expect(textBoxes(f) == boxes,
                   QStringLiteral("pressing a button leaves the text boxes alone"));
        if (!b && qobject_cast<QLineEdit *>(focus))
            note(QStringLiteral("typed-by-key: the text box now holds '%1'")
                     .arg(static_cast<QLineEdit *>(focus)->text().left(40)));
        return plus(reached, a);
    }

    // Answers the factorial's warning, checking what it says.
    void answerBox()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        ++boxesAnswered;
        if (!expect(box != nullptr, QStringLiteral("the only modal window is a message box"))) {
            modal->close();
            return;
        }
        expect(box->text() == BoxText && box->icon() == QMessageBox::Warning &&
                   box->windowTitle() == QStringLiteral("Quimbra") && box->buttons().size() == 1 &&
                   box->button(QMessageBox::Ok),
               QStringLiteral("the warning's text, icon, title and button"));
        switch (pick(3)) {
        case 0:
            if (QAbstractButton *ok = box->button(QMessageBox::Ok)) {
                QTest::mouseClick(ok, Qt::LeftButton);
                break;
            }
            [[fallthrough]];
        case 1:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        default:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        }
        if (!expect(!box->isVisible(), QStringLiteral("the warning closes when answered")))
            box->close();
    }

    long actionsFromEnvironment() const
    {
        bool ok = false;
        const long n = qEnvironmentVariable("QUIMBRA_SOAK_ACTIONS").toLong(&ok);
        return ok && n > 0 ? n : 5000;
    }

  private slots:
    void initTestCase()
    {
        applyIdentity(*qApp);
        testLogHandler = qInstallMessageHandler(dropPlatformNotices);
        originalLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        bool ok = false;
        seed = qEnvironmentVariable("QUIMBRA_SOAK_SEED").toULongLong(&ok);
        if (!ok) seed = std::random_device{}();
        actionCount = actionsFromEnvironment();
        qInfo("soak: seed %llu, %ld actions (QUIMBRA_SOAK_SEED=%llu to repeat)",
              static_cast<unsigned long long>(seed), actionCount,
              static_cast<unsigned long long>(seed));
        connect(&boxAnswerer, &QTimer::timeout, this, &tst_Soak::answerBox);
        boxAnswerer.start(5);
    }

    void cleanupTestCase()
    {
        boxAnswerer.stop();
        closeAllWindows();
        QLocale::setDefault(originalLocale);
        qInstallMessageHandler(testLogHandler);
    }

    void randomActions()
    {
        rng.seed(seed);
        rnd = std::make_unique<SoakRandom>(seed ^ 0x9E3779B97F4A7C15ULL);
        menu = std::make_unique<frm_Quimbra>(*rnd, clock);
        other = std::make_unique<QWidget>();
        other->setWindowTitle(QStringLiteral("another application"));
        QVERIFY(showMenu(*menu));

        QElapsedTimer elapsed;
        elapsed.start();
        for (long i = 0; i < actionCount; ++i) {
            clock.seconds = std::uniform_real_distribution<float>(0.0f, 86399.99f)(rng);
            const long drawsBefore = rnd->draws;
            const int loadsBefore = abrLoads;
            const int boxesBefore = boxesAnswered;
            const int expectedBoxesBefore = expectedBoxes;
            sideDraws = 0;
            bool endsProgram = false;
            Activations a;

            const QList<Form *> open = loadedForms();
            QList<Form *> demos = open;
            demos.removeAll(menu.get());
            const int roll = pick(100);
            if (demos.isEmpty() || roll < 12) {
                a = openFromMenu();
            } else if (roll < 13 && menu->isLoaded()) {
                a = menuFine();
            } else if (roll < 14 && menu->isLoaded()) {
                note(QStringLiteral("menu close box"));
                menu->window()->close();
                a = {0, 1};
            } else if (roll < 16 && !menu->isLoaded()) {
                note(QStringLiteral("menu shown again"));
                menu->Show();
                expect(QTest::qWaitForWindowActive(menu->window()),
                       QStringLiteral("menu becomes active"));
                a = {0, 0};
            } else if (roll < 21) {
                a = closeDemo(demos[pick(static_cast<int>(demos.size()))]);
            } else if (roll < 33) {
                a = activate(open[pick(static_cast<int>(open.size()))]);
            } else if (roll < 35) {
                a = activateOther();
            } else if (roll < 55) {
                QList<Form *> typing = demos;
                typing.removeAll(menu->sortSlot());
                a = typing.isEmpty() ? press(demos.front())
                                     : type(typing[pick(static_cast<int>(typing.size()))]);
            } else if (roll < 62) {
                a = sideWindow(demos[pick(static_cast<int>(demos.size()))]);
            } else if (roll < 80) {
                a = press(demos[pick(static_cast<int>(demos.size()))]);
            } else {
                a = keyboard(open[pick(static_cast<int>(open.size()))], &endsProgram);
            }
            settle();
            if (endsProgram)
                expect(loadedForms().isEmpty(), QStringLiteral("Fine closes every window"));

            checkAll();
            const long drawn = rnd->draws - drawsBefore - 31L * (abrLoads - loadsBefore) - sideDraws;
            expect(
                drawn >= 0 && drawn % 1000 == 0 && drawn / 1000 >= a.least &&
                    drawn / 1000 <= a.most,
                QStringLiteral("%1 numbers drawn besides tree loads; expected %2..%3 activations")
                    .arg(drawn)
                    .arg(a.least)
                    .arg(a.most));
            expect(boxesAnswered - boxesBefore == expectedBoxes - expectedBoxesBefore,
                   QStringLiteral("warnings shown: %1, expected %2")
                       .arg(boxesAnswered - boxesBefore)
                       .arg(expectedBoxes - expectedBoxesBefore));

            if (!failure.isEmpty()) {
                QString log;
                for (const QString &r : recent)
                    log += QStringLiteral("\n    ") + r;
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\n  recent actions:%4")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(failure, log)));
            }
        }
        qInfo("soak: %ld actions in %.1f s, %d tree loads, %d warnings answered", actionCount,
              static_cast<double>(elapsed.elapsed()) / 1000.0, abrLoads, boxesAnswered);
        QStringList tally;
        for (auto it = kinds.cbegin(); it != kinds.cend(); ++it)
            tally << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
        qInfo("soak: %s", qPrintable(tally.join(QStringLiteral(", "))));
        menu.reset();
        other.reset();
    }
};

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"

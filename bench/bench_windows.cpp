// SPDX-FileCopyrightText: 2026 The Quimbra developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Timings of the real windows, driven offscreen through the same handlers and
// buttons the user presses, each followed by a synchronous repaint so that the
// figure includes drawing the result. Start-up and peak memory are measured in
// fresh child processes: this program runs itself again with --startup or
// --memory. stdout gets one table row per measurement; progress goes to stderr.
#include "abr.h"
#include "frmABR.h"
#include "frmGrafico.h"
#include "frmPassoABR.h"
#include "frmPassoRicBin.h"
#include "frmPassoSort.h"
#include "frmRicBin.h"
#include "frmSort.h"
#include "frm_Quimbra.h"
#include "identity.h"
#include "random.h"
#include "report.h"
#include "ricbin.h"
#include "sort_steps.h"
#include "sorts.h"
#include "step_player.h"
#include "text.h"
#include "value_list.h"
#include "widgets.h"
#include "zoom.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStringListModel>
#include <QTimer>
#include <QWindow>

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

using namespace quimbra;
using bench::Row;

namespace {

// CLOCK_MONOTONIC is one clock for every process of the machine, so a parent
// and its child can subtract each other's readings.
std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

class FixedClock final : public Clock
{
public:
    float secondsSinceMidnight() const override { return 36000.25f; }
};

// The program's own generator, counting its draws so that each measurement
// can check it really ran what it claims (1000 draws per activation).
class CountingRandom final : public RandomSource
{
public:
    void seed(float s) override { inner_.seed(s); }
    double next() override
    {
        ++draws;
        return inner_.next();
    }
    long draws = 0;

private:
    MersenneRandom inner_;
};

class PaintCounter final : public QObject
{
public:
    explicit PaintCounter(QWidget *target) { target->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The offscreen platform warns at every raise(); each distinct message is
// passed on once so that the progress stays readable.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static QStringList seen;
    if (seen.contains(message))
        return;
    seen.append(message);
    std::fprintf(stderr, "%s (repeats not shown)\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The CPU time this thread has used.
std::int64_t threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

void drain()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

bool waitExposed(QWidget *w)
{
    QElapsedTimer timer;
    timer.start();
    while (!(w->windowHandle() && w->windowHandle()->isExposed())) {
        if (timer.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    drain();
    return true;
}

constexpr int Warmup = 5;

// Runs body `runs` times after a few untimed warm-up runs; before and after
// run around each body, untimed.
std::vector<double> measure(int runs, const std::function<void()> &before,
                            const std::function<void()> &body, const std::function<void()> &after)
{
    std::vector<double> ns;
    ns.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < Warmup + runs; ++i) {
        before();
        QElapsedTimer timer;
        timer.start();
        body();
        const qint64 elapsed = timer.nsecsElapsed();
        after();
        if (i >= Warmup)
            ns.push_back(static_cast<double>(elapsed));
    }
    return ns;
}

const std::function<void()> nothing = [] {};

int failures = 0;

// A timing row; goalNs 0 means "no goal, for information".
Row timingRow(const std::string &name, const std::vector<double> &ns, double goalNs, bool valid = true)
{
    Row row;
    row.measurement = name;
    row.samples = std::to_string(ns.size()) + " runs";
    const double median = bench::percentile(ns, 0.5);
    row.median = bench::formatDuration(median);
    row.p90 = bench::formatDuration(bench::percentile(ns, 0.9));
    if (goalNs > 0) {
        row.goal = "< " + bench::formatDuration(goalNs);
        row.verdict = median < goalNs ? "met" : "MISSED";
    } else {
        row.goal = "(info)";
    }
    if (!valid) {
        row.verdict = "INVALID";
        ++failures;
    }
    return row;
}

void report(const Row &row)
{
    bench::printRow(row);
    std::fprintf(stderr, "  %s: median %s\n", row.measurement.c_str(), row.median.c_str());
}

// ---- child processes -------------------------------------------------------

// Opens the menu exactly as the program starts, and reports (on stdout) the
// monotonic readings at the start of main, at the menu's first exposure and
// after its first frame was painted. With `bare`, a plain QWidget stands in
// for the menu: the cost of Qt itself.
class ExposeWatch final : public QObject
{
public:
    std::int64_t exposed = 0;
    std::int64_t paintSeen = 0;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (!exposed && event->type() == QEvent::Expose && object->isWindowType() &&
            static_cast<QWindow *>(object)->isExposed())
            exposed = monotonicNs();
        if (!paintSeen && event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget *>(object)->isWindow())
            paintSeen = 1;
        return false;
    }
};

int startupChild(std::int64_t mainStart, int argc, char **argv, bool bare)
{
    QApplication app(argc, argv);
    ExposeWatch watch;
    app.installEventFilter(&watch);
    std::unique_ptr<frm_Quimbra> menu;
    std::unique_ptr<QWidget> plainWindow;
    QWidget *window = nullptr;
    if (bare) {
        plainWindow = std::make_unique<QWidget>();
        plainWindow->resize(320, 326);
        plainWindow->show();
        window = plainWindow.get();
    } else {
        applyIdentity(app);
        menu = std::make_unique<frm_Quimbra>(programRandom(), systemClock());
        menu->Show();
        window = menu->window();
    }
    if (!watch.exposed && window->windowHandle() && window->windowHandle()->isExposed())
        watch.exposed = monotonicNs(); // exposed inside show(), before any event
    QElapsedTimer timeout;
    timeout.start();
    while ((!watch.exposed || !watch.paintSeen) && timeout.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const std::int64_t painted = monotonicNs();
    if (!watch.exposed || !watch.paintSeen)
        return 1;
    std::printf("%lld %lld %lld\n", static_cast<long long>(mainStart),
                static_cast<long long>(watch.exposed), static_cast<long long>(painted));
    std::fflush(stdout);
    return 0;
}

long statusKb(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

// The menu and all three demonstration windows open and painted; reports
// VmHWM and VmRSS in kB. With `bare`, one plain QWidget shown instead.
int memoryChild(int argc, char **argv, bool bare)
{
    QApplication app(argc, argv);
    std::unique_ptr<frm_Quimbra> menu;
    std::unique_ptr<QWidget> plainWindow;
    std::vector<QWidget *> windows;
    if (bare) {
        plainWindow = std::make_unique<QWidget>();
        plainWindow->show();
        windows.push_back(plainWindow.get());
    } else {
        applyIdentity(app);
        menu = std::make_unique<frm_Quimbra>(programRandom(), systemClock());
        menu->Show();
        menu->cmdSort_Click();
        menu->cmdRicBin_Click();
        menu->cmdABR_Click();
        windows = {menu->window(), menu->sortSlot()->window(), menu->ricBinSlot()->window(),
                   menu->abrSlot()->window()};
    }
    for (QWidget *w : windows)
        if (!waitExposed(w))
            return 1;
    for (QWidget *w : windows)
        w->repaint();
    drain();
    std::printf("%ld %ld\n", statusKb("VmHWM"), statusKb("VmRSS"));
    std::fflush(stdout);
    return 0;
}

struct ChildResult
{
    bool ok = false;
    std::int64_t spawned = 0;
    std::string output;
};

ChildResult runChild(const char *mode)
{
    ChildResult result;
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return result;
    int out[2];
    if (pipe(out) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char *args[] = {self, const_cast<char *>(mode), nullptr};
    pid_t pid = 0;
    result.spawned = monotonicNs();
    const int spawnError = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawnError == 0) {
        char buffer[256];
        ssize_t n;
        while ((n = read(out[0], buffer, sizeof buffer)) > 0)
            result.output.append(buffer, static_cast<std::size_t>(n));
        int status = 0;
        waitpid(pid, &status, 0);
        result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    close(out[0]);
    return result;
}

void measureStartup(int runs, bool bare)
{
    std::vector<double> spawnToExposed, mainToExposed, spawnToPainted;
    bool valid = true;
    for (int i = 0; i < 2 + runs; ++i) { // the first two warm the file and font caches
        const ChildResult child = runChild(bare ? "--startup-bare" : "--startup");
        long long mainStart = 0, exposed = 0, painted = 0;
        std::istringstream in(child.output);
        if (!child.ok || !(in >> mainStart >> exposed >> painted)) {
            valid = false;
            continue;
        }
        if (i < 2)
            continue;
        spawnToExposed.push_back(static_cast<double>(exposed - child.spawned));
        mainToExposed.push_back(static_cast<double>(exposed - mainStart));
        spawnToPainted.push_back(static_cast<double>(painted - child.spawned));
    }
    if (bare) {
        report(timingRow("bare Qt: spawn → plain QWidget exposed (fresh process)", spawnToExposed, 0,
                         valid));
        return;
    }
    report(timingRow("start-up: spawn → menu exposed (fresh process)", spawnToExposed, 150e6, valid));
    report(timingRow("start-up: main() → menu exposed", mainToExposed, 0, valid));
    report(timingRow("start-up: spawn → menu's first frame painted", spawnToPainted, 0, valid));
}

void measureMemory(int runs, bool bare)
{
    std::vector<double> hwm, rss;
    bool valid = true;
    for (int i = 0; i < runs; ++i) {
        const ChildResult child = runChild(bare ? "--memory-bare" : "--memory");
        long h = 0, r = 0;
        std::istringstream in(child.output);
        if (!child.ok || !(in >> h >> r) || h <= 0) {
            valid = false;
            continue;
        }
        hwm.push_back(static_cast<double>(h) * 1024 / 1e6);
        rss.push_back(static_cast<double>(r) * 1024 / 1e6);
    }
    auto mb = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f MB", v);
        return std::string(text);
    };
    Row row;
    row.measurement = bare ? "bare Qt: peak memory (VmHWM), one plain QWidget"
                           : "peak memory (VmHWM), menu + all three windows open";
    row.samples = std::to_string(hwm.size()) + " runs";
    row.median = mb(bench::percentile(hwm, 0.5));
    row.p90 = mb(bench::percentile(hwm, 0.9));
    if (bare) {
        row.goal = "(info)";
    } else {
        row.goal = "< 45.0 MB";
        row.verdict = bench::percentile(hwm, 0.5) < 45.0 ? "met" : "MISSED";
    }
    if (!valid || hwm.empty()) {
        row.verdict = "INVALID";
        ++failures;
    }
    report(row);
}

// ---- in-process interactions ----------------------------------------------

using Values = std::array<Integer, 1001>;

// One way of filling a list widget with lines: the reference for how fast a
// Qt list can take 1000 lines.
struct ListApproach
{
    const char *name;
    std::function<QAbstractItemView *(QWidget *parent)> create;
    std::function<void(QAbstractItemView *, const Values &)> fill;
    std::function<int(QAbstractItemView *)> rows;
};

QStringList numberLines(const Values &V)
{
    QStringList lines;
    lines.reserve(1000);
    for (int p = 1; p <= 1000; ++p)
        lines.append(QString::number(V[p]));
    return lines;
}

std::vector<ListApproach> listApproaches()
{
    auto makeModelView = [](bool uniform) {
        return [uniform](QWidget *parent) -> QAbstractItemView * {
            auto *view = new QListView(parent);
            view->setModel(new QStringListModel(view));
            view->setUniformItemSizes(uniform);
            return view;
        };
    };
    auto modelFill = [](QAbstractItemView *view, const Values &V) {
        static_cast<QStringListModel *>(view->model())->setStringList(numberLines(V));
    };
    auto makeWidget = [](bool uniform) {
        return [uniform](QWidget *parent) -> QAbstractItemView * {
            auto *view = new QListWidget(parent);
            view->setUniformItemSizes(uniform);
            return view;
        };
    };
    auto widgetFill = [](QAbstractItemView *view, const Values &V) {
        auto *list = static_cast<QListWidget *>(view);
        list->clear();
        list->addItems(numberLines(V));
    };
    auto rows = [](QAbstractItemView *view) { return view->model()->rowCount(); };
    return {
        {"QListView + QStringListModel::setStringList, uniform item sizes", makeModelView(true),
         modelFill, rows},
        {"QListView + QStringListModel::setStringList", makeModelView(false), modelFill, rows},
        {"QListWidget::clear + addItems", makeWidget(false), widgetFill, rows},
        {"QListWidget::clear + addItems, uniform item sizes", makeWidget(true), widgetFill, rows},
        {"the program's ListBox::setLines (std::string lines)",
         [](QWidget *parent) -> QAbstractItemView * { return new ListBox(parent); },
         [](QAbstractItemView *view, const Values &V) {
             std::vector<std::string> lines;
             lines.reserve(1000);
             for (int p = 1; p <= 1000; ++p)
                 lines.push_back(plain(V[p]));
             static_cast<ListBox *>(view)->setLines(lines);
         },
         rows},
    };
}

void drawValues(RandomSource &rnd, Values &V)
{
    V[0] = 0;
    for (int p = 1; p <= 1000; ++p)
        V[p] = static_cast<Integer>(scaledDraw(rnd.next(), 10000) + 1);
}

void sortAll(const Values &original, Values &V)
{
    for (int k = 0; k < WindowSorts; ++k) {
        Long moves = 0;
        V = original;
        runSort(k, V, moves);
    }
}

// A step view opened from its window: opening it (copy, controls, showing,
// the events that follow and a paint of the whole window), painting its drawing, and one frame at the fastest speed, which takes
// every step of the run (prepared by `prepare`) and paints what changed.
template <class View>
bool stepView(Form &owner, int runs, const std::function<void()> &open, const std::string &name,
              const std::function<void(View *)> &prepare)
{
    View *view = nullptr;
    const auto opening = measure(runs, nothing, [&] {
        open();
        view = owner.findChildren<View *>().constLast();
        drain(); // shown and exposed: the pending events paint it
        view->window()->repaint();
    }, [&] {
        view->Unload();
        drain();
    });
    report(timingRow(name + " open (F2) + first paint", opening, 0));
    open();
    view = owner.findChildren<View *>().constLast();
    if (!waitExposed(view->window()))
        return false;
    prepare(view);
    StepPlayer &player = view->player();
    player.setSpeedLevel(StepPlayer::levelCount() - 1);
    report(timingRow("  its drawing, painted once", measure(runs, nothing, [&] {
        view->canvas()->repaint();
    }, nothing), 0));
    int steps = 0;
    const auto frame = measure(runs, [&] {
        player.restart();
        drain();
    }, [&] {
        steps = player.advance(1'000'000);
        drain();
    }, nothing);
    report(timingRow("  a frame at the fastest speed (" + std::to_string(steps) +
                         " steps, the whole run) + paint",
                     frame, 4e6, steps > 0 && player.stepper()->finished()));
    view->Unload();
    drain();
    return true;
}

// The tree's step view on 63 keys, a chain (inserted in ascending order) and
// the balanced tree of the same keys: each frame plays one step of an
// operation (the deletion of the deepest key, the build) and paints the
// view, its drawing, its node table and its code; in thread CPU time.
bool treeFrames(frmABR &abr, int runs)
{
    abr.PassoPasso();
    auto *view = abr.findChildren<frmPassoABR *>().constLast();
    if (!waitExposed(view->window()))
        return false;
    std::string keys;
    for (int k = 1; k <= abr::MostNodes; ++k)
        keys += std::to_string(10 * k) + " ";
    view->textBox("txtDati")->setText(QString::fromStdString(keys));
    view->cmdUsaDati_Click();
    StepPlayer &player = view->player();
    for (const auto &[choice, name] : {std::pair{int(frmPassoABR::TypedInOrder), "the chain of 63"},
                                       std::pair{int(frmPassoABR::TypedBalanced), "the balanced tree of 63"}}) {
        for (const bool build : {false, true}) {
            view->cboAlbero_Click(choice);
            view->textBox("txtChiave")->setText(QStringLiteral("630"));
            // The build replays the balanced tree, so that both trees stand at every step.
            build ? view->cmdCostruisci_Click() : view->cmdElimina_Click();
            PaintCounter paints(view->canvas());
            std::vector<double> cpu;
            const int count = std::max(runs, 400);
            for (int i = 0; i < Warmup + count; ++i) {
                if (player.stepper()->finished())
                    player.restart();
                const std::int64_t start = threadCpuNs();
                player.advance(1);
                drain();
                if (i >= Warmup)
                    cpu.push_back(static_cast<double>(threadCpuNs() - start));
            }
            const std::string what = std::string(build ? "the build, on " : "deleting 630 from ") + name;
            report(timingRow("tree step view frame: one step + paint (" + what + "), thread CPU time", cpu, 8e6,
                             paints.paints >= count));
            Row p99;
            p99.measurement = "  the same, 99th percentile";
            p99.samples = std::to_string(cpu.size()) + " frames";
            p99.median = bench::formatDuration(bench::percentile(cpu, 0.99));
            p99.p90 = "—";
            p99.goal = "< 16.0 ms";
            p99.verdict = bench::percentile(cpu, 0.99) < 16e6 ? "met" : "MISSED";
            report(p99);
        }
    }
    view->Unload();
    drain();
    return true;
}

// ---- growth chart -----------------------------------------------------------

struct GrowthResult
{
    std::vector<double> ns;
    std::vector<double> cpuNs; // of the whole process: the workers and the window
    double longestGapNs = 0;
    bool valid = true;
};

// Opens growth charts from the sorting window and times each computation
// from the choice that starts it to the signal that it ended, in the real
// window (its repaints included): the window's four sorts, or with
// "Tutti gli algoritmi" all eight. Meanwhile a 1 ms timer on the window's
// thread measures the longest gap between two of its events: the longest the
// window was unresponsive. Each result is checked: 50 sizes, every sort's
// curve, and Insertion's comparisons at the largest size equal n(n-1)/2
// (and Selection's too, with all eight).
GrowthResult timeGrowth(frmSort &sort, int maximumIndex, GrowthRunner::Mode mode, int count, bool all)
{
    const auto processCpuNs = [] {
        timespec ts{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
    };
    GrowthResult result;
    for (int i = 0; i < 1 + count; ++i) { // one untimed run first
        auto *chart = new frmGrafico(programRandom(), &sort);
        chart->setRunnerMode(mode);
        chart->Show();
        chart->find<QCheckBox>("chkTutti")->setChecked(all);
        drain();
        QEventLoop loop;
        QObject::connect(chart, &frmGrafico::computed, &loop, &QEventLoop::quit);
        QElapsedTimer gap, timer;
        double longest = 0;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, double(gap.nsecsElapsed()));
            gap.restart();
        });
        // The chart computes as it opens; the choice that matters starts
        // it again, from another one if needed.
        auto *maxima = chart->find<QComboBox>("cboMassimo");
        if (maxima->currentIndex() == maximumIndex)
            maxima->setCurrentIndex(0);
        const double cpu = processCpuNs();
        timer.start();
        gap.start();
        tick.start(1);
        maxima->setCurrentIndex(maximumIndex);
        if (!chart->runner()->isFinished())
            loop.exec();
        const double elapsed = double(timer.nsecsElapsed());
        const double cpuUsed = processCpuNs() - cpu;
        tick.stop();
        const GrowthData &d = chart->chart().data;
        const double n = d.sizes.empty() ? 0 : d.sizes.back();
        const auto pairs = [&](int algorithm) {
            return d.values[MeasureComparisons][std::size_t(algorithm)].back().mean == n * (n - 1) / 2;
        };
        result.valid = result.valid && d.sizes.size() == std::size_t(GrowthPoints) &&
                       n == GrowthMaxima[std::size_t(maximumIndex)] &&
                       d.algorithms == (all ? SortAlgorithms : WindowSorts) && pairs(AlgoInsertion) &&
                       (!all || pairs(AlgoSelection));
        if (i > 0) {
            result.ns.push_back(elapsed);
            result.cpuNs.push_back(cpuUsed);
            result.longestGapNs = std::max(result.longestGapNs, longest);
        }
        chart->Unload();
        drain();
    }
    return result;
}

// The longest gap on the window's thread; with a goal, whether it stayed under it.
Row growthGapRow(const std::string &name, const GrowthResult &r, double goalNs = 0)
{
    Row row;
    row.measurement = name;
    row.samples = std::to_string(r.ns.size()) + " runs";
    row.median = bench::formatDuration(r.longestGapNs) + " (longest)";
    row.p90 = "—";
    if (goalNs > 0) {
        row.goal = "< " + bench::formatDuration(goalNs);
        row.verdict = r.longestGapNs < goalNs ? "met" : "MISSED";
    } else {
        row.goal = "(info)";
    }
    return row;
}

// All eight sorts up to n = 5000 on five random vectors, on worker threads.
void growthChartAll(frmSort &sort, int count)
{
    const int last = int(GrowthMaxima.size()) - 1;
    const GrowthResult all = timeGrowth(sort, last, GrowthRunner::Threads, count, true);
    report(timingRow("growth chart up to n = 5000 (all 8 sorts, 50 sizes, 5 random vectors), worker threads",
                     all.ns, 2e9, all.valid));
    report(growthGapRow("  the window's longest gap between two events meanwhile", all, 16e6));
    report(timingRow("  CPU time of the whole process for it (two idle cores: about half as long)",
                     all.cpuNs, 0, all.valid));
}

void growthChart(frmSort &sort, int runs)
{
    const auto time = [&](int maximumIndex, GrowthRunner::Mode mode, int count) {
        return timeGrowth(sort, maximumIndex, mode, count, false);
    };
    const auto gapRow = [](const std::string &name, const GrowthResult &r) { return growthGapRow(name, r); };
    const int last = int(GrowthMaxima.size()) - 1;
    const GrowthResult thousand = time(2, GrowthRunner::Threads, std::max(5, runs / 10));
    report(timingRow("growth chart up to n = 1000 (4 sorts, 50 sizes, 5 random vectors), worker threads",
                     thousand.ns, 100e6, thousand.valid));
    report(timingRow("  CPU time of the whole process for it", thousand.cpuNs, 0, thousand.valid));
    const GrowthResult full = time(last, GrowthRunner::Threads, 3);
    report(timingRow("growth chart up to n = 5000 (4 sorts, 50 sizes, 5 random vectors), worker threads",
                     full.ns, 1.5e9, full.valid));
    report(gapRow("  the window's longest gap between two events meanwhile", full));
    // Independent of other processes: what two idle cores would need, halved.
    report(timingRow("  CPU time of the whole process for it (two idle cores: about half as long)",
                     full.cpuNs, 0, full.valid));
    growthChartAll(sort, 3);
    {
        // What the window's thread does at each report of progress: take the
        // points so far and repaint the chart (here the whole default chart,
        // with the bands of the random vectors and the reference curves).
        auto *chart = new frmGrafico(programRandom(), &sort);
        chart->Show();
        QEventLoop loop;
        QObject::connect(chart, &frmGrafico::computed, &loop, &QEventLoop::quit);
        if (!chart->runner()->isFinished())
            loop.exec();
        const bool done = chart->chart().data.sizes.size() == std::size_t(GrowthPoints);
        chart->find<QCheckBox>("chkRiferimenti")->setChecked(true);
        QWidget *picture = chart->find<QWidget>("picGrafico");
        PaintCounter paints(picture);
        const auto ns = measure(runs, nothing, [&] { picture->repaint(); }, nothing);
        report(timingRow("  a repaint of the whole chart (bands and reference curves)", ns, 0,
                         done && paints.paints >= runs));
        chart->Unload();
        drain();
    }
    const GrowthResult sliced = time(last, GrowthRunner::Slices, 1);
    report(timingRow("  the same in slices on the window's thread (as without threads)", sliced.ns, 0,
                     sliced.valid));
    report(gapRow("  the window's longest gap between two events meanwhile", sliced));
}

// A window of stock Qt standing in for a program window: a QListView with a
// QStringListModel where the window has a list (with its size and font, and
// uniform item sizes, as every line is one row high) and a QLabel where it
// has a count.
struct StockWindow
{
    QWidget host;
    std::vector<QListView *> views;
    std::vector<QLabel *> counts;

    StockWindow(const QWidget *window, const std::vector<ListBox *> &lists, const std::vector<QLabel *> &labels)
    {
        host.resize(window->size());
        for (const ListBox *list : lists) {
            auto *view = new QListView(&host);
            view->setModel(new QStringListModel(view));
            view->setUniformItemSizes(true);
            view->setGeometry(QRect(list->mapTo(window, QPoint(0, 0)), list->size()));
            view->setFont(list->font());
            views.push_back(view);
        }
        for (const QLabel *label : labels) {
            auto *count = new QLabel(&host);
            count->setGeometry(QRect(label->mapTo(window, QPoint(0, 0)), label->size()));
            count->setFont(label->font());
            counts.push_back(count);
        }
        host.move(window->pos());
        host.show();
    }

    // New lines in every list and the counts, then the whole window repainted.
    void show(const std::vector<QStringList> &lines, const QStringList &numbers)
    {
        for (std::size_t k = 0; k < views.size(); ++k) {
            static_cast<QStringListModel *>(views[k]->model())->setStringList(lines[k]);
            views[k]->doItemsLayout(); // laid out lazily otherwise: the repaint would show nothing
        }
        for (std::size_t k = 0; k < counts.size(); ++k)
            counts[k]->setText(numbers[k]);
        host.repaint();
    }

    bool full() const
    {
        return std::all_of(views.begin(), views.end(),
                           [](const QListView *v) { return v->model()->rowCount() == 1000; });
    }
};

// The sorting window's activation done with stock widgets: the same draws
// and the same four sorts, the lines made by QString::number.
void stockSortActivation(StockWindow &stock, RandomSource &rnd)
{
    Values original{}, V{};
    drawValues(rnd, original);
    std::vector<QStringList> lines(4);
    QStringList counts;
    for (int k = 0; k < WindowSorts; ++k) {
        V = original;
        Long moves = 0;
        runSort(k, V, moves);
        lines[k].reserve(1000);
        for (int p = 1; p <= 1000; ++p)
            lines[k].append(QString::number(V[p]));
        counts.append(QString::number(moves));
    }
    stock.show(lines, counts);
}

// The binary search window's activation with a stock list: the same routine
// draws and sorts the vector and writes its lines.
void stockRicBinActivation(StockWindow &stock, RandomSource &rnd)
{
    std::array<Integer, 1001> V{};
    ricbin::DrawSortedVector(V, 1000, rnd);
    QStringList lines;
    lines.reserve(1000);
    for (const std::string &line : ricbin::VectorLines(V, 1000))
        lines.append(QString::fromStdString(line));
    stock.show({lines}, {});
}

// An activation of a program window as a user meets it (the menu's button
// pressed again: a new vector, its lines, the window repainted) against the
// same work shown by stock widgets, in turns within one run so that both
// meet the same machine. Prints both and their ratio.
void activationAgainstStock(const std::string &name, int runs, CountingRandom &rnd, QWidget *window,
                            const std::vector<ListBox *> &lists, const std::vector<QLabel *> &labels,
                            const std::function<void()> &activate,
                            const std::function<void(StockWindow &, RandomSource &)> &stockActivate,
                            const std::string &stockName, double goalRatio)
{
    StockWindow stock(window, lists, labels);
    waitExposed(&stock.host);
    std::vector<double> ours, theirs;
    const long draws = rnd.draws;
    int paints = 0;
    for (int i = 0; i < Warmup + runs; ++i) {
        PaintCounter painted(window);
        QElapsedTimer timer;
        timer.start();
        activate();
        window->repaint();
        const qint64 activation = timer.nsecsElapsed();
        drain();
        timer.restart();
        stockActivate(stock, rnd);
        const qint64 reference = timer.nsecsElapsed();
        drain();
        paints += painted.paints > 0;
        if (i >= Warmup) {
            ours.push_back(double(activation));
            theirs.push_back(double(reference));
        }
    }
    const bool valid = rnd.draws - draws == 2000L * (Warmup + runs) && paints == Warmup + runs && stock.full() &&
                       std::all_of(lists.begin(), lists.end(), [](const ListBox *l) { return l->count() == 1000; });
    report(timingRow(name, ours, 0, valid));
    report(timingRow("  reference: " + stockName, theirs, 0, valid));
    const double ratio = bench::percentile(ours, 0.5) / bench::percentile(theirs, 0.5);
    Row row;
    char text[32];
    std::snprintf(text, sizeof text, "× %.2f", ratio);
    row.measurement = "  " + name.substr(0, name.find(' ')) + " activation ÷ reference, same run";
    row.samples = "medians";
    row.median = text;
    row.p90 = "—";
    std::snprintf(text, sizeof text, "≤ %.2f", goalRatio);
    row.goal = text;
    row.verdict = !valid ? "INVALID" : ratio <= goalRatio ? "met" : "MISSED";
    report(row);
}

// The two activations against stock Qt, as `make bench` and `--activation` run them.
void activationsAgainstStock(frm_Quimbra &menu, CountingRandom &rnd, int runs, bool shortNames)
{
    frmRicBin &ricBin = *menu.ricBinSlot();
    frmSort &sort = *menu.sortSlot();
    activationAgainstStock(shortNames ? "frmRicBin activation"
                                      : "frmRicBin activation from the menu (draw, sort, 1000 lines) + repaint",
                           runs, rnd, ricBin.window(), {ricBin.list("lstV")}, {},
                           [&] { menu.cmdRicBin_Click(); }, stockRicBinActivation,
                           "the same draw and sort, 1 stock QListView + QStringListModel, + repaint", 0.95);
    std::vector<ListBox *> lists;
    std::vector<QLabel *> counts;
    for (int k = 0; k < 4; ++k) {
        lists.push_back(sort.list("lstSort", k));
        counts.push_back(sort.label("lblSort", k));
    }
    activationAgainstStock(shortNames ? "frmSort activation"
                                      : "frmSort activation from the menu (draw, 4 sorts, 4 × 1000 lines, counts) + repaint",
                           runs, rnd, sort.window(), lists, counts, [&] { menu.cmdSort_Click(); },
                           stockSortActivation,
                           "the same draw and sorts, 4 stock QListView + QStringListModel, 4 QLabel, + repaint", 0.95);
}

// The menu and the windows that a short run needs, shown, then `body`.
int withWindows(int argc, char **argv, bool ricBin,
                const std::function<void(frm_Quimbra &, CountingRandom &, frmSort &)> &body)
{
    QApplication app(argc, argv);
    applyIdentity(app);
    FixedClock clock;
    CountingRandom rnd;
    frm_Quimbra menu(rnd, clock);
    menu.Show();
    if (ricBin)
        menu.cmdRicBin_Click();
    menu.cmdSort_Click();
    frmSort &sort = *menu.sortSlot();
    if (!waitExposed(menu.window()) || !waitExposed(sort.window()) ||
        (ricBin && !waitExposed(menu.ricBinSlot()->window())))
        return 1;
    body(menu, rnd, sort);
    return failures == 0 ? 0 : 1;
}

// Only the two activations against plain Qt (`--activation`): quick to run
// again while working on them, and a short program to profile.
int activationsOnly(int argc, char **argv, int runs)
{
    return withWindows(argc, argv, true, [runs](frm_Quimbra &menu, CountingRandom &rnd, frmSort &) {
        activationsAgainstStock(menu, rnd, runs, true);
    });
}

// Only the growth chart of all eight sorts (`--growth-all [runs]`).
int growthAllOnly(int argc, char **argv, int runs)
{
    return withWindows(argc, argv, false,
                       [runs](frm_Quimbra &, CountingRandom &, frmSort &sort) { growthChartAll(sort, runs); });
}

int interactions(int argc, char **argv, int runs)
{
    QApplication app(argc, argv);
    applyIdentity(app);
    std::fprintf(stderr, "bench_windows: platform %s, %d runs per interaction\n",
                 qPrintable(QGuiApplication::platformName()), runs);

    FixedClock clock;
    CountingRandom rnd;
    frm_Quimbra menu(rnd, clock);
    menu.Show();
    if (!waitExposed(menu.window()))
        return 1;

    // Binary search window.
    menu.cmdRicBin_Click();
    frmRicBin &ricBin = *menu.ricBinSlot();
    QWidget *ricBinWindow = ricBin.window();
    if (!waitExposed(ricBinWindow))
        return 1;
    {
        PaintCounter paints(ricBin.list("lstV")->viewport());
        const long draws = rnd.draws;
        const auto ns = measure(runs, nothing, [&] {
            menu.cmdRicBin_Click();
            ricBinWindow->repaint();
        }, drain);
        const bool valid = rnd.draws - draws == 1000L * (Warmup + runs) && paints.paints >= Warmup + runs &&
                           ricBin.list("lstV")->count() == 1000;
        report(timingRow("frmRicBin activation from the menu (draw, sort, 1000 lines) + repaint", ns,
                         3e6, valid));
        const auto drained = measure(runs, nothing, [&] {
            menu.cmdRicBin_Click();
            ricBinWindow->repaint();
            drain();
        }, nothing);
        report(timingRow("  the same, pending events drained too", drained, 0));
    }
    {
        QLineEdit *txtX = ricBin.textBox("txtX");
        QPushButton *cmdRicBin = ricBin.button("cmdRicBin");
        ListBox *lstRB = ricBin.list("lstRB");
        // A click is timed until Qt has repainted what it changed: the
        // handler, then the pending events, which paint the dirty controls.
        auto search = [&](const QString &typed, const char *verdict, const std::string &name) {
            txtX->setText(typed);
            drain();
            PaintCounter paints(lstRB->viewport());
            const auto ns = measure(runs, nothing, [&] {
                cmdRicBin->click();
                drain();
            }, nothing);
            const bool valid = paints.paints >= Warmup + runs && lstRB->count() > 0 &&
                               lstRB->lines().join('\n').contains(QString::fromUtf8(verdict));
            report(timingRow(name, ns, 1e6, valid));
        };
        search(QStringLiteral("-5"), "NON c", "search click \"-5\" (not found), repainted");
        const QString row = ricBin.list("lstV")->lines().at(332); // position 333
        search(row.section('-', 1).trimmed(), "TROVATO", "search click, a value found, repainted");

        // The number alternates with 11 between runs (untimed): a label
        // given its own text again has nothing to repaint.
        QLineEdit *txtFatt = ricBin.textBox("txtFatt");
        QPushButton *cmdFattoriale = ricBin.button("cmdFattoriale");
        txtFatt->setText(QStringLiteral("12"));
        QLabel *lblFatt = ricBin.label("lblFatt");
        PaintCounter paints(lblFatt);
        bool shown = true;
        const auto ns = measure(runs, nothing, [&] {
            cmdFattoriale->click();
            drain();
        }, [&] {
            shown = shown && lblFatt->text().contains(QStringLiteral("479"));
            txtFatt->setText(QStringLiteral("11"));
            cmdFattoriale->click();
            txtFatt->setText(QStringLiteral("12"));
            drain();
        });
        report(timingRow("factorial click \"12\", repainted", ns, 1e6,
                         shown && paints.paints >= Warmup + runs));
        report(timingRow("  frmRicBin whole-window repaint alone", measure(runs, nothing, [&] {
            ricBinWindow->repaint();
        }, drain), 0));
    }

    // Tree window: loading from the menu, unloading, a visit.
    menu.cmdABR_Click();
    frmABR &abr = *menu.abrSlot();
    if (!waitExposed(abr.window()))
        return 1;
    abr.Unload();
    drain();
    {
        int loaded = 0;
        const auto ns = measure(runs, nothing, [&] {
            menu.cmdABR_Click();
            abr.window()->repaint();
        }, [&] {
            loaded += abr.isLoaded() && abr.list("lstABR")->count() > 31;
            drain();
            abr.Unload();
            drain();
        });
        report(timingRow("frmABR load from the menu (build tree, 3 lists) + first paint", ns, 2e6,
                         loaded == Warmup + runs));
        const auto closing = measure(runs, [&] {
            menu.cmdABR_Click();
            drain();
        }, [&] {
            abr.Unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }, drain);
        report(timingRow("  frmABR unload (window and controls destroyed)", closing, 0, !abr.isLoaded()));
    }
    menu.cmdABR_Click();
    if (!waitExposed(abr.window()))
        return 1;
    {
        QWidget *abrWindow = abr.window();
        ListBox *lstV = abr.list("lstV");
        PaintCounter paints(lstV->viewport());
        int index = 0;
        bool valid = true;
        const auto ns = measure(runs, nothing, [&] {
            abr.button("cmdV", index)->click();
            drain();
        }, [&] {
            valid = valid && lstV->count() == 2 + abr::N;
            index = (index + 1) % 3;
        });
        report(timingRow("tree visit click (the three in turn), repainted", ns, 0.5e6,
                         valid && paints.paints >= Warmup + runs));
        report(timingRow("  frmABR whole-window repaint alone", measure(runs, nothing, [&] {
            abrWindow->repaint();
        }, drain), 0));
    }

    ricBin.textBox("txtX")->setText(QStringLiteral("-5")); // the longest search: 9 probes
    if (!stepView<frmPassoRicBin>(ricBin, runs, [&] { ricBin.PassoPasso(); }, "frmPassoRicBin",
                                  [](frmPassoRicBin *) {}) ||
        !stepView<frmPassoABR>(abr, runs, [&] { abr.PassoPasso(); }, "frmPassoABR",
                               [](frmPassoABR *view) { view->cmdV_Click(0); }) ||
        !treeFrames(abr, runs))
        return 1;

    // Sorting window and the reference it is compared with.
    menu.cmdSort_Click();
    frmSort &sort = *menu.sortSlot();
    QWidget *sortWindow = sort.window();
    if (!waitExposed(sortWindow))
        return 1;
    const int sortRuns = std::max(20, runs / 4);
    activationsAgainstStock(menu, rnd, sortRuns, false);
    std::vector<double> comparison;
    {
        const long draws = rnd.draws;
        comparison = measure(sortRuns, nothing, [&] {
            sort.cmdSort_Click();
            sortWindow->repaint();
        }, drain);
        const bool valid = rnd.draws - draws == 1000L * (Warmup + sortRuns) &&
                           sort.list("lstSort", 3)->count() == 1000;
        report(timingRow("sort comparison click (4 sorts, 4 × 1000 lines) + repaint", comparison, 10e6,
                         valid));
        const auto drained = measure(sortRuns, nothing, [&] {
            sort.cmdSort_Click();
            sortWindow->repaint();
            drain();
        }, nothing);
        report(timingRow("  the same, pending events drained too", drained, 0));
        report(timingRow("  cmdSort_Click alone (with its own per-column repaints)",
                         measure(sortRuns, nothing, [&] { sort.cmdSort_Click(); }, drain), 0));
        report(timingRow("  frmSort whole-window repaint alone", measure(sortRuns, nothing, [&] {
            sortWindow->repaint();
        }, drain), 0));
    }

    // Step view: Bubble on 1000 descending values, the longest run (about a
    // million steps). A frame at the fastest speed is the steps of one screen
    // frame and the paint of what changed (the bars and the counters).
    {
        const long rssBefore = statusKb("VmRSS");
        sort.PassoPasso(1);
        frmPassoSort *view = sort.findChildren<frmPassoSort *>().last();
        if (!waitExposed(view->window()))
            return 1;
        StepPlayer &player = view->player();
        const int fastest = StepPlayer::levelCount() - 1;
        const auto perFrame =
            static_cast<qint64>(std::lround(StepPlayer::stepsPerSecond(fastest) / player.framesPerSecond()));
        auto p99Row = [&](const std::string &name, const std::vector<double> &ns, bool goal) {
            Row p99;
            p99.measurement = name;
            p99.samples = std::to_string(ns.size()) + " frames";
            p99.median = bench::formatDuration(bench::percentile(ns, 0.99));
            p99.p90 = "—";
            p99.goal = goal ? "< 8.00 ms" : "(info)";
            p99.verdict = !goal ? "—" : bench::percentile(ns, 0.99) < 8e6 ? "met" : "MISSED";
            report(p99);
        };
        // The frames of one algorithm on one input, each timed twice: on the
        // wall clock, and in the CPU time of this thread, which leaves out
        // the time that other processes of a busy machine take from it.
        auto frames = [&](int algorithm, int input, const std::string &what, bool wallRows) {
            view->cboAlgoritmo_Click(algorithm);
            view->cboDati_Click(input);
            player.setSpeedLevel(fastest);
            const SortSteps *steps = view->steps();
            PaintCounter paints(view->canvas());
            bool valid = true;
            const int count = std::max(runs, 400);
            std::vector<double> wall, cpu;
            for (int i = 0; i < Warmup + count; ++i) {
                if (steps->finished())
                    player.restart();
                QElapsedTimer timer;
                timer.start();
                const std::int64_t cpuStart = threadCpuNs();
                valid = valid && player.advance(perFrame) > 0;
                drain();
                const std::int64_t cpuEnd = threadCpuNs();
                const auto elapsed = static_cast<double>(timer.nsecsElapsed());
                if (i >= Warmup) {
                    wall.push_back(elapsed);
                    cpu.push_back(static_cast<double>(cpuEnd - cpuStart));
                }
            }
            valid = valid && paints.paints >= Warmup + count;
            const std::string frame = "step view frame, fastest speed: " + std::to_string(perFrame) +
                                      " steps + paint of 1000 bars (" + what + ")";
            report(timingRow(frame + ", thread CPU time", cpu, 4e6, valid));
            p99Row("  the same, 99th percentile (thread CPU time)", cpu, true);
            if (wallRows) {
                report(timingRow("  the same frames on the wall clock", wall, 0, valid));
                p99Row("  the same, 99th percentile (wall clock)", wall, false);
            }
        };
        for (int algorithm : {AlgoSelection, AlgoInserimento, AlgoMerge, AlgoHeap})
            frames(algorithm, InputWindowVector, std::string(sortTitle(algorithm)) + ", the window's 1000",
                   false);
        // Quick with the tree of its calls under the bars, and on ascending
        // values, where its calls go deepest.
        frames(AlgoQuick, InputWindowVector, "Quick with its tree of calls, the window's 1000", false);
        frames(AlgoQuick, InputAscending, "Quick with its tree of calls, 1000 ascending", false);
        // Bubble on 1000 descending values last: the rows below go on with it.
        frames(AlgoBubble, InputDescending, "Bubble, 1000 descending", true);
        const SortSteps *steps = view->steps();
        report(timingRow("  paint of the 1000 bars alone", measure(runs, nothing, [&] {
            view->canvas()->repaint();
        }, nothing), 0));

        // Halfway through the run: the most the view holds.
        player.restart();
        player.advance(500000);
        drain();
        const long rssDuring = statusKb("VmRSS");
        Row memory;
        memory.measurement = "step view memory: recorded events + kept states + its vectors (RSS "
                             "growth of the process with the window open, in brackets)";
        memory.samples = "1 view";
        memory.median = std::to_string(steps->memoryBytes() / 1024) +
                        " kB (" + std::to_string(rssDuring - rssBefore) + " kB)";
        memory.p90 = "—";
        memory.goal = "a few MB (< 8 MB)";
        memory.verdict = steps->memoryBytes() < 8 * 1024 * 1024 ? "met" : "MISSED";
        report(memory);

        // The farthest jump: from step 1 to the step before the end, whose
        // replay starts from the last kept state and applies the recorded
        // events from there; repainted.
        bool landed = true;
        const auto jump = measure(std::max(20, runs / 4), [&] {
            player.seek(1);
            drain();
        }, [&] {
            player.seek(steps->count() - 1);
            drain();
        }, [&] { landed = landed && steps->position() == steps->count() - 1; });
        report(timingRow("jump from step 1 to the step before the end and repaint: Bubble on "
                         "1000 descending, " + std::to_string(steps->count()) + " steps",
                         jump, 16e6, landed));

        QPushButton *toEnd = view->button("cmdTutto");
        bool ended = true;
        const auto end = measure(std::max(20, runs / 4), [&] { player.restart(); }, [&] {
            toEnd->click();
            drain();
        }, [&] { ended = ended && steps->finished() && steps->moves() == 499500; });
        report(timingRow("\"Fino alla fine\" from the start: Bubble on 1000 descending, repainted", end,
                         50e6, ended));

        // A graded exercise (Shell on the 10 values of one code): one answer
        // judged, the steps it lets play played, and the bars repainted.
        ExercisePanel &panel = view->exercisePanel();
        view->cboAlgoritmo_Click(AlgoShell);
        bool judged = true;
        const auto answer = measure(runs, [&] {
            if (!panel.running())
                view->startExercise(48213);
            drain();
        }, [&] {
            const std::vector<int> picks = panel.exercise().current()->picks;
            for (int e : picks)
                panel.pick(e);
            view->canvas()->repaint();
        }, [&] { judged = judged && panel.exercise().errors() == 0; });
        report(timingRow("exercise answer in the sort view: judged, played and the bars repainted", answer,
                         16e6, judged));
        panel.giveUp();

        // Questions on Quick's run over the window's 1000 values: chosen
        // (the run scanned for every question it could ask), then each one
        // reached with "Fino alla fine", answered, judged and the window
        // repainted.
        view->cboAlgoritmo_Click(AlgoQuick);
        player.pause();
        QCheckBox *ask = view->find<QCheckBox>("chkDomande");
        QuestionPanel &asks = view->questionPanel();
        const auto chosen = measure(std::max(20, runs / 5), [&] { ask->setChecked(false); }, [&] {
            ask->setChecked(true);
        }, nothing);
        report(timingRow("questions chosen for Quick on 1000 values (every candidate read off the run)", chosen,
                         50e6, !asks.quiz().questions().empty()));
        bool answered = true;
        const auto question = measure(runs, [&] {
            if (!asks.asking())
                view->button("cmdTutto")->click();
            if (!asks.asking()) { // none left: the run again, its questions again
                player.restart();
                ask->setChecked(false);
                ask->setChecked(true);
                view->button("cmdTutto")->click();
            }
            drain();
        }, [&] {
            const questions::Question *q = asks.quiz().pending();
            answered = answered && q;
            asks.answer(q ? q->answer : 0);
            view->window()->repaint();
        }, [&] { answered = answered && !asks.asking() && asks.quiz().right() > 0; });
        report(timingRow("question answered in the sort view: judged and the window repainted", question, 16e6,
                         answered));
        ask->setChecked(false);

        // 1000 typed values taken with "Usa": read, a new run recorded from
        // them, and the view repainted; then 1 MB of values, read and refused
        // (too many values), alone and as a paste into the box.
        QLineEdit *box = view->textBox("txtDati");
        QString thousand;
        for (int p = 1; p <= 1000; ++p)
            thousand += QString::number((p * 7919) % 32767 + 1) + QLatin1Char(' ');
        bool taken = true;
        const auto typed = measure(runs, [&] { box->setText(thousand); }, [&] {
            view->button("cmdUsaDati")->click();
            view->window()->repaint();
        }, [&] { taken = taken && view->steps()->size() == 1000; });
        report(timingRow("1000 typed values taken by \"Usa\" (read, run recorded, window repainted)", typed,
                         16e6, taken));
        const QString megabyte = QStringLiteral("12345 ").repeated((1 << 20) / 6);
        const std::string megabyteText = megabyte.toStdString();
        bool tooMany = true;
        const auto read = measure(std::max(20, runs / 10), nothing, [&] {
            tooMany = tooMany && readValueList(megabyteText, TypedSortValues).error == "al massimo 1000 valori";
        }, nothing);
        report(timingRow("1 MB of values read, refused (too many values)", read, 50e6, tooMany));
        // Pasted, it never enters the box: it is read at once and refused.
        bool refused = true;
        QGuiApplication::clipboard()->setText(megabyte);
        const auto pasted = measure(std::max(20, runs / 10), [&] { box->clear(); }, [&] {
            box->paste();
            view->window()->repaint();
        }, [&] {
            refused = refused && box->text().isEmpty() &&
                      view->find<QLabel>("lblAvvisoDati")->text() == "al massimo 1000 valori";
        });
        report(timingRow("1 MB of values pasted into the box: refused with its sentence, window repainted", pasted,
                         50e6, refused));
        view->Unload();
        drain();
    }

    // One zoom step with all four windows open: every control placed again,
    // then each window repainted. The steps go from 100 % up to 300 % and
    // back down (below 100 % the fonts are fitted, not scaled).
    {
        const std::array<QWidget *, 4> windows{menu.window(), ricBinWindow, abr.window(), sortWindow};
        const int hundred = int(std::find(ZoomSteps.begin(), ZoomSteps.end(), 100) - ZoomSteps.begin());
        int step = hundred, direction = 1;
        bool valid = true;
        const auto next = [&] {
            if (step + direction < hundred || step + direction >= static_cast<int>(ZoomSteps.size()))
                direction = -direction;
            step += direction;
            setZoom(ZoomSteps[static_cast<std::size_t>(step)]);
        };
        const auto check = [&] {
            valid = valid && zoomPercent() == ZoomSteps[static_cast<std::size_t>(step)] &&
                    sortWindow->width() == px(sortLayout().width) &&
                    abr.list("lstX")->font().pointSizeF() == 9.75 * zoomPercent() / 100;
            drain();
        };
        const auto ns = measure(runs, nothing, [&] {
            next();
            for (QWidget *w : windows)
                w->repaint();
        }, check);
        report(timingRow("zoom step, all four windows open, placed again and repainted", ns, 50e6, valid));
        report(timingRow("  the zoom step alone (controls placed again, no repaint)",
                         measure(runs, nothing, next, check), 0, valid));
        setZoom(100);
        drain();
    }

    growthChart(sort, runs);

    Values original{}, V{};
    const auto sortsAlone = measure(sortRuns, [&] { drawValues(rnd, original); },
                                    [&] { sortAll(original, V); }, nothing);
    report(timingRow("reference: the four sorts alone on 1000 random values", sortsAlone, 0));

    // The lists stand where the window's lists stand, with their size and font.
    std::array<QRect, 4> places;
    for (int k = 0; k < 4; ++k) {
        ListBox *column = sort.list("lstSort", k);
        places[k] = QRect(column->mapTo(sortWindow, QPoint(0, 0)), column->size());
    }
    const QFont listFont = sort.list("lstSort", 0)->font();
    const QSize windowSize = sortWindow->size();
    sort.Unload();
    drain();

    double fastestFill = 0;
    std::string fastestName;
    for (const ListApproach &approach : listApproaches()) {
        QWidget host;
        host.resize(windowSize);
        std::array<QAbstractItemView *, 4> views{};
        std::vector<std::unique_ptr<PaintCounter>> paints;
        for (int k = 0; k < 4; ++k) {
            views[k] = approach.create(&host);
            views[k]->setGeometry(places[k]);
            views[k]->setFont(listFont);
            paints.push_back(std::make_unique<PaintCounter>(views[k]->viewport()));
        }
        host.show();
        if (!waitExposed(&host))
            return 1;
        drawValues(rnd, original);
        sortAll(original, V);
        const auto ns = measure(sortRuns, nothing, [&] {
            for (QAbstractItemView *view : views) {
                approach.fill(view, V);
                // New rows are laid out lazily: without this the repaint
                // would paint an empty list and the reference be too cheap.
                view->doItemsLayout();
                view->viewport()->repaint();
            }
        }, drain);
        bool valid = true;
        for (int k = 0; k < 4; ++k)
            valid = valid && approach.rows(views[k]) == 1000 && paints[k]->paints >= Warmup + sortRuns;
        report(timingRow(std::string("fill 4 lists × 1000 lines + repaint: ") + approach.name, ns, 0,
                         valid));
        const double median = bench::percentile(ns, 0.5);
        if (valid && (fastestName.empty() || median < fastestFill)) {
            fastestFill = median;
            fastestName = approach.name;
        }
        host.close();
    }

    const double reference = bench::percentile(sortsAlone, 0.5) + fastestFill;
    const double ratio = bench::percentile(comparison, 0.5) / reference;
    Row sum;
    sum.measurement = "reference sum: four sorts + fastest fill (" + fastestName + ")";
    sum.samples = "medians";
    sum.median = bench::formatDuration(reference);
    sum.p90 = "—";
    sum.goal = "(info)";
    report(sum);
    Row ratioRow;
    char text[32];
    std::snprintf(text, sizeof text, "× %.2f", ratio);
    ratioRow.measurement = "sort comparison click ÷ reference sum";
    ratioRow.samples = "medians";
    ratioRow.median = text;
    ratioRow.p90 = "—";
    ratioRow.goal = "(info)";
    report(ratioRow);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::int64_t mainStart = monotonicNs();
    qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // inherited by the child processes too

    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode.rfind("--startup", 0) == 0 || mode.rfind("--memory", 0) == 0)
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) // the parent already showed the rest
                std::fprintf(stderr, "%s\n", qPrintable(message));
        });
    if (mode == "--startup" || mode == "--startup-bare")
        return startupChild(mainStart, 1, argv, mode == "--startup-bare");
    if (mode == "--memory" || mode == "--memory-bare")
        return memoryChild(1, argv, mode == "--memory-bare");

    int runs = 200;
    int startupRuns = 20;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--startup-runs") == 0)
            startupRuns = std::max(1, std::atoi(argv[i + 1]));
    }

    if (mode == "--activation")
        return activationsOnly(1, argv, argc > 2 ? std::max(1, std::atoi(argv[2])) : 50);
    if (mode == "--growth-all")
        return growthAllOnly(1, argv, argc > 2 ? std::max(1, std::atoi(argv[2])) : 3);

    std::fprintf(stderr, "bench_windows: start-up and memory in fresh processes\n");
    measureStartup(startupRuns, false);
    measureStartup(startupRuns, true);
    measureMemory(5, false);
    measureMemory(5, true);

    int qtArgc = 1;
    if (interactions(qtArgc, argv, runs) != 0) {
        std::fprintf(stderr, "bench_windows: a window never became exposed\n");
        return 1;
    }
    return failures == 0 ? 0 : 1;
}

// SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
// SPDX-License-Identifier: GPL-3.0-or-later

// ./dev bench: how fast the game starts and how much memory it takes, against
// a baseline of what Qt alone costs for the same window.
//
// Without arguments it is the harness: it starts itself 15 times as the game
// and 15 times as the baseline, alternating, and measures for each run the
// time from process start to the end of the exercise window's first paint
// (read from the process's own report) and its peak resident memory (from the
// kernel, once the process has ended). The baseline is a bare window of the
// same size holding the same 35 plain Qt controls at the same places, with the
// same captions and no logic. Then it times one whole exercise ("Neue Zahl",
// the answer typed on the keypad, "OK") through the real handlers.
//
// All runs are pinned to one processor (RZ_BENCH_CPU, 0 unless set): the
// cores of a virtual machine can differ in speed from one moment to the next,
// and a run that lands on the slower one would count as slow itself.
//
//   --game      the game, started as the program starts it
//   --baseline  the bare window
//   --exercise  the CPU time of one exercise, median of many

#include "baseline.h"
#include "firstpaint.h"

#include "form1.h"
#include "optionbutton.h"
#include "playing.h"
#include "program.h"
#include "startup.h"
#include "textbox.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <sched.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kRuns = 15;
constexpr int kExercises = 201;

long long NowNs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return (static_cast<long long>(ts.tv_sec) * 1000000000LL) + ts.tv_nsec;
}

// The child's one line for the harness: when its first paint was done.
void ReportFirstPaint()
{
    std::printf("painted %lld\n", NowNs(CLOCK_MONOTONIC));
    std::fflush(stdout);
}

// The game, started exactly as the program's main() starts it when it is
// given no arguments: the harness's own argument is not passed on.
int RunGame(char *argv[])
{
    int argc = 1;
    return RunProgram(argc, argv, [](const Program &program) {
        new FirstPaint(program.exercise(), [] {
            ReportFirstPaint();
            QCoreApplication::exit(0);
        });
    });
}

// The bare window: plain controls, nothing else.
int RunBaseline(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    baseline::Build(window);
    window.show();

    new FirstPaint(&window, [] {
        ReportFirstPaint();
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}

// Types the expected answer on the keypad of the current direction.
void TypeAnswer(Form1 &form)
{
    for (const QChar c : ExpectedAnswer(form))
        if (QPushButton *key = KeyFor(form, c))
            key->click();
}

// The CPU time of one whole exercise, through the real handlers: "Neue Zahl",
// the answer key by key, "OK". Every other exercise changes the direction
// first (not timed), and the repaints after each one are not timed either.
int RunExercise(char *argv[])
{
    int argc = 1;
    return RunProgram(argc, argv, [](Program &program) {
        Form1 &form = *program.exercise();
        new FirstPaint(&form, [&form] {
            int status = 0;
            std::vector<long long> times;
            for (int i = 0; i < kExercises; ++i) {
                (i % 2 == 0 ? static_cast<QAbstractButton *>(form.Option1) : form.Option2)->click();
                QCoreApplication::processEvents();
                const long long start = NowNs(CLOCK_THREAD_CPUTIME_ID);
                form.Command1->click();
                TypeAnswer(form);
                form.Command3->click();
                times.push_back(NowNs(CLOCK_THREAD_CPUTIME_ID) - start);
                if (form.Text5->text() != QLatin1String("Richtig")) {
                    std::fprintf(stderr, "startbench: an exercise was not answered right\n");
                    status = 1;
                    break;
                }
                QCoreApplication::processEvents();
            }
            std::sort(times.begin(), times.end());
            if (!times.empty())
                std::printf("exercise %lld\n", times[times.size() / 2]);
            std::fflush(stdout);
            QCoreApplication::exit(status);
        });
    });
}

struct Run {
    long long value = 0;   // what the child reported
    long long startNs = 0; // when it was started
    long maxRssKb = 0;     // its peak resident memory
};

// Starts this program again with one argument, reads the number after the
// word it reports, and takes its peak memory once it has ended.
bool Spawn(const char *self, const char *mode, const char *word, Run &run)
{
    std::array<int, 2> pipeFds{};
    if (pipe(pipeFds.data()) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    std::array<char *, 3> args{const_cast<char *>(self), const_cast<char *>(mode), nullptr};

    pid_t pid = 0;
    run.startNs = NowNs(CLOCK_MONOTONIC);
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    std::string output;
    std::array<char, 256> buffer{};
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buffer.data(), buffer.size())) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0)
            output.append(buffer.data(), static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);

    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    run.maxRssKb = usage.ru_maxrss;
    const std::size_t at = output.find(word);
    if (at == std::string::npos)
        return false;
    run.value = std::strtoll(output.c_str() + at + std::strlen(word), nullptr, 10);
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int RunHarness()
{
    bool cpuGiven = false;
    const int cpu = qEnvironmentVariableIntValue("RZ_BENCH_CPU", &cpuGiven);
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    CPU_SET(cpuGiven ? cpu : 0, &cpus);
    // The children inherit the affinity.
    if (sched_setaffinity(0, sizeof(cpus), &cpus) != 0) {
        std::fprintf(stderr, "startbench: cannot pin itself to processor %d\n", cpuGiven ? cpu : 0);
        return 1;
    }

    std::array<char, PATH_MAX> self{};
    if (readlink("/proc/self/exe", self.data(), self.size() - 1) <= 0) {
        std::fprintf(stderr, "startbench: cannot find its own executable\n");
        return 1;
    }

    std::vector<double> gamePaintMs;
    std::vector<double> basePaintMs;
    std::vector<double> gameRssMiB;
    std::vector<double> baseRssMiB;
    // One pair first, not counted, so that neither side pays for a cold cache.
    for (int i = -1; i < kRuns; ++i) {
        for (const bool game : {true, false}) {
            Run run;
            if (!Spawn(self.data(), game ? "--game" : "--baseline", "painted ", run)) {
                std::fprintf(stderr, "startbench: a %s run failed\n", game ? "game" : "baseline");
                return 1;
            }
            if (i < 0)
                continue;
            const double paintMs = static_cast<double>(run.value - run.startNs) / 1e6;
            const double rssMiB = static_cast<double>(run.maxRssKb) / 1024.0;
            (game ? gamePaintMs : basePaintMs).push_back(paintMs);
            (game ? gameRssMiB : baseRssMiB).push_back(rssMiB);
        }
    }

    Run exercise;
    if (!Spawn(self.data(), "--exercise", "exercise ", exercise)) {
        std::fprintf(stderr, "startbench: the exercise run failed\n");
        return 1;
    }

    const double gamePaint = Median(gamePaintMs);
    const double basePaint = Median(basePaintMs);
    const double gameRss = Median(gameRssMiB);
    const double baseRss = Median(baseRssMiB);
    const double paintRatio = gamePaint / basePaint;
    const double rssRatio = gameRss / baseRss;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    std::printf("Start-up, medians of %d runs each, game and baseline alternating "
                "(platform %s, processor %d):\n",
                kRuns, platform.isEmpty() ? "default" : platform.constData(), cpuGiven ? cpu : 0);
    std::printf("  %-34s %10s %10s %8s\n", "", "game", "baseline", "ratio");
    std::printf("  %-34s %10.1f %10.1f %8.3f\n", "first paint from process start (ms)",
                gamePaint, basePaint, paintRatio);
    std::printf("  %-34s %10.1f %10.1f %8.3f\n", "peak resident memory (MiB)", gameRss, baseRss,
                rssRatio);
    std::printf("  goal, both ratios at most 1.10: %s\n",
                paintRatio <= 1.10 && rssRatio <= 1.10 ? "met" : "MISSED");
    std::printf("One exercise (Neue Zahl, answer, OK) through the handlers, median CPU time of %d: "
                "%.1f us\n",
                kExercises, static_cast<double>(exercise.value) / 1000.0);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--game") == 0)
        return RunGame(argv);
    if (argc == 2 && std::strcmp(argv[1], "--baseline") == 0)
        return RunBaseline(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--exercise") == 0)
        return RunExercise(argv);
    if (argc == 1)
        return RunHarness();
    std::fprintf(stderr, "usage: rz-startbench [--game | --baseline | --exercise]\n");
    return 2;
}

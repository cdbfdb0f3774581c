// Start-up of the window: the time from creating the application object to the main
// window shown (offscreen), and the peak memory of the whole process. Each run is a fresh
// process, so nothing is warm and the peak is the program's own.
#include "app/frmMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr const char* childFlag = "--startup-child";

// The measured program: prints the nanoseconds from QApplication to frmMain shown.
int runChild(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto start = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    frmMain window;
    window.show();
    QCoreApplication::processEvents();
    const auto shown = std::chrono::steady_clock::now();
    std::printf("%lld\n", static_cast<long long>(
                              std::chrono::duration_cast<std::chrono::nanoseconds>(shown - start).count()));
    return 0;
}

struct ChildRun {
    bool ok = false;
    double seconds = 0;
    double peakMegabytes = 0;
};

ChildRun startChild() {
    int out[2];
    if (pipe(out) != 0) return {};
    const pid_t pid = fork();
    if (pid < 0) return {};
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        char self[] = "/proc/self/exe";
        char flag[sizeof "--startup-child"];
        std::strcpy(flag, childFlag);
        char* args[] = {self, flag, nullptr};
        execv(self, args);
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[64];
    for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    ChildRun run;
    run.ok = !text.empty();
    run.seconds = std::stod(text.empty() ? "0" : text) / 1e9;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return run;
}

void BM_StartupToWindowShown(benchmark::State& state) {
    double peak = 0;
    for (auto _ : state) {
        const ChildRun run = startChild();
        if (!run.ok) {
            state.SkipWithError("the measured program failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakMegabytes);
    }
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_StartupToWindowShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15);

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], childFlag) == 0) return runChild(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

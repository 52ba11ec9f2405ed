// One set call and one presence probe through libPwrio: over loopback to the scpisim program
// (connection kept open between calls, as the panel's calls find it), and against the
// in-process simulated supply for comparison.
#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

#include "device/pwrio/Pwrio.h"

namespace {

struct Library {
  PwrioSearchFn search = nullptr;
  PwrioSetVoltFn setCh1 = nullptr;
};

Library g_lib;
QByteArray g_backend;

bool LoadLibrary() {
  void *handle = ::dlopen(PWRIO_BENCH_LIBRARY, RTLD_NOW);
  if (!handle) {
    return false;
  }
  g_lib.search = reinterpret_cast<PwrioSearchFn>(::dlsym(handle, "dsoSearch"));
  g_lib.setCh1 = reinterpret_cast<PwrioSetVoltFn>(::dlsym(handle, "dsoSetVolt_positive9_CH1"));
  return g_lib.search && g_lib.setCh1;
}

void UseInstrument(bool instrument) {
  if (instrument) {
    ::setenv("PWRIO_BACKEND", g_backend.constData(), 1);
  } else {
    ::unsetenv("PWRIO_BACKEND");
  }
}

void SetVoltCh1(benchmark::State &state, bool instrument) {
  UseInstrument(instrument);
  int failures = 0;
  int mv = 5000;
  for (auto _ : state) {
    int pair[2] = {mv / 100, mv % 100};
    failures += g_lib.setCh1(0, 1, pair, 2) == 0;
    benchmark::DoNotOptimize(pair);
    mv = mv == 5000 ? 5001 : 5000;
  }
  if (failures > 0) {
    state.SkipWithError("a set call failed");
  }
}

void Search(benchmark::State &state, bool instrument) {
  UseInstrument(instrument);
  int failures = 0;
  for (auto _ : state) {
    failures += g_lib.search() == 0;
  }
  if (failures > 0) {
    state.SkipWithError("dsoSearch failed");
  }
}

void BM_SetVoltCh1_Loopback(benchmark::State &state) {
  SetVoltCh1(state, true);
}
void BM_Search_Loopback(benchmark::State &state) {
  Search(state, true);
}
void BM_SetVoltCh1_Simulated(benchmark::State &state) {
  SetVoltCh1(state, false);
}

BENCHMARK(BM_SetVoltCh1_Loopback)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Search_Loopback)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetVoltCh1_Simulated)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  // The simulator's log goes nowhere: the bench measures the round trip, not a disk.
  QProcess sim;
  sim.setProgram(QString::fromUtf8(SCPISIM_PROGRAM));
  sim.setArguments({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--log"),
                    QStringLiteral("/dev/null"), QStringLiteral("--max-seconds"),
                    QStringLiteral("600")});
  sim.start();
  QByteArray out;
  for (int i = 0; i < 50 && sim.waitForStarted(5000) && !out.contains('\n'); ++i) {
    sim.waitForReadyRead(100);
    out += sim.readAllStandardOutput();
  }
  if (!out.startsWith("PORT ") || !LoadLibrary()) {
    std::fputs("bench_device: simulator or library did not start\n", stderr);
    return 1;
  }
  g_backend = "tcp://127.0.0.1:" + out.mid(5, out.indexOf('\n') - 5).trimmed();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  sim.kill();
  sim.waitForFinished(5000);
  return 0;
}

// Knob repaint: the face drawn off-screen (the dial comes from its cache) and copied once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "controls/CVoltEdit.h"
#include "controls/CVoltKnob.h"
#include "controls/IKnobHost.h"

namespace {

class Host : public IKnobHost {
public:
  const CChannelState &KnobChannelState(int) const override { return state; }
  void SetKnobStep(int, std::int16_t step) override { state.SetKnobStep(step); }
  QString KnobSetPointText(int) const override { return text; }
  void SetKnobSetPointText(int, const QString &value) override { text = value; }
  CVoltEdit *KnobSetPointEdit(int) override { return nullptr; }
  CChannelState state;
  QString text;
};

// 58 x 58 dialog units at the template font's base units.
constexpr int kKnobSize = 88;

void BM_KnobRepaint(benchmark::State &bench) {
  Host host;
  host.state.SetOn(1);
  host.state.SetColor(kColorCh1);
  CVoltKnob knob;
  knob.resize(kKnobSize, kKnobSize);
  knob.SetHost(&host);
  QImage window(kKnobSize, kKnobSize, QImage::Format_RGB32);
  std::int16_t step = 0;
  for (auto _ : bench) {
    host.state.SetKnobStep(step);
    step = static_cast<std::int16_t>((step + 1) % 10);
    const QImage &face = knob.DrawFace();
    QPainter painter(&window);
    painter.drawImage(0, 0, face);
    benchmark::DoNotOptimize(window.constBits());
  }
}
BENCHMARK(BM_KnobRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

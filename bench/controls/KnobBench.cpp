// Knob repaint: the widget repainted on a shown window, as a turn of the knob does it.
#include <benchmark/benchmark.h>

#include <QApplication>

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

// The widget's own repaint on a shown window: paintEvent draws the face (the dial from its
// cache) and copies it to the window's backing store.
void BM_KnobRepaint(benchmark::State &bench) {
  Host host;
  host.state.SetOn(1);
  host.state.SetColor(kColorCh1);
  QWidget window;
  window.resize(kKnobSize + 20, kKnobSize + 20);
  auto *knob = new CVoltKnob(&window);
  knob->setGeometry(10, 10, kKnobSize, kKnobSize);
  knob->SetHost(&host);
  window.show();
  QCoreApplication::processEvents();
  std::int16_t step = 0;
  for (auto _ : bench) {
    host.state.SetKnobStep(step);
    step = static_cast<std::int16_t>((step + 1) % 10);
    knob->repaint();
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

// Latency on the real window, off screen: one "&Calcular" and one step of a Bayes slider, each
// with the repaint of every control it changed.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QtTest>
#include <array>
#include <memory>
#include <stdexcept>

#include "principal/slider.h"
#include "principal/window_session.h"

namespace {

using namespace tarnolo;

// The window as the program shows it, its boxes swallowed; counts typed in.
struct ShownWindow {
  WindowSession session{[](const std::string&) {}, [](const std::string&) {}};

  ShownWindow() {
    session.window.show();
    if (!QTest::qWaitForWindowExposed(&session.window)) throw std::runtime_error("not shown");
  }
  void typeCounts(int table) {
    constexpr std::array<const char*, 4> cells{"VP", "FP", "FN", "VN"};
    const char* const tables[2][4] = {{"6", "3", "1", "10"}, {"40", "7", "12", "355"}};
    for (size_t c = 0; c < cells.size(); ++c) session.view.setText(cells[c], tables[table][c]);
  }
  template <class T = QWidget>
  T* control(const char* name) {
    return session.window.findChild<T*>(name);
  }
  // Runs the posted updates: the controls that changed are painted and the window flushed.
  static void repaint() { QCoreApplication::processEvents(); }
};

// The click on "&Calcular" after the counts were typed; two tables in turn, so that every cell
// and bar changes each time.
void BM_CalcularWithRepaint(benchmark::State& state) {
  ShownWindow w;
  auto* calcular = w.control<QAbstractButton>("BitBtn6");
  int table = 0;
  for (auto _ : state) {
    state.PauseTiming();
    w.typeCounts(table ^= 1);
    ShownWindow::repaint();
    state.ResumeTiming();
    calcular->click();
    ShownWindow::repaint();
  }
}
BENCHMARK(BM_CalcularWithRepaint)->Unit(benchmark::kMicrosecond);

// One press and release of an arrow key on the sensitivity slider in the Bayes mode: the step's
// calculation, the gesture's closing one, and the repaint; right and left in turn.
void BM_BayesSliderStepWithRepaint(benchmark::State& state) {
  ShownWindow w;
  w.typeCounts(1);
  w.control<QAbstractButton>("BitBtn6")->click();
  w.control<QAbstractButton>("bayesboton")->click();
  ShownWindow::repaint();
  auto* slider = w.control<Slider>("sensScrollBar");
  bool right = true;
  for (auto _ : state) {
    QTest::keyClick(slider, (right = !right) ? Qt::Key_Right : Qt::Key_Left);
    ShownWindow::repaint();
  }
}
BENCHMARK(BM_BayesSliderStepWithRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Windows"));  // as the program
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// A Bayes slider step with the window "Gráficos" open, at either page, against the same step
// without it: the extra work of following the case and repainting the picture.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QtTest>
#include <stdexcept>

#include "graficos/curve_drawing.h"
#include "graficos/graficos_command.h"
#include "graficos/nomogram_drawing.h"
#include "principal/slider.h"
#include "principal/window_session.h"

namespace {

using namespace tarnolo;

// The main window in the Bayes mode after a calculation, with the pictures' command; the window
// Gráficos open at page when asked.
struct BayesWindow {
  WindowSession session{[](const std::string&) {}, [](const std::string&) {}};
  GraficosCommand* command = GraficosCommand::install(session.window, session.table,
                                                      session.state(), [](const std::string&) {});

  explicit BayesWindow(int page) {
    session.window.show();
    if (!QTest::qWaitForWindowExposed(&session.window)) throw std::runtime_error("not shown");
    const char* counts[][2] = {{"VP", "40"}, {"FP", "7"}, {"FN", "12"}, {"VN", "355"}};
    for (auto [cell, text] : counts) session.view.setText(cell, text);
    control<QAbstractButton>("BitBtn6")->click();
    control<QAbstractButton>("bayesboton")->click();
    if (page >= 0) {
      command->open(GraficosWindow::Page(page));
      if (!QTest::qWaitForWindowExposed(command->window())) throw std::runtime_error("not shown");
    }
    QCoreApplication::processEvents();
  }
  template <class T = QWidget>
  T* control(const char* name) {
    return session.window.findChild<T*>(name);
  }
};

// One press and release of an arrow key on a slider, right and left in turn, then the repaint of
// every window that changed. The argument: -1 without the pictures, else the page shown.
void BM_SliderStepWithPictures(benchmark::State& state) {
  BayesWindow w(int(state.range(0)));
  auto* slider = w.control<Slider>(state.range(1) ? "prevScrollBar" : "sensScrollBar");
  bool right = true;
  for (auto _ : state) {
    QTest::keyClick(slider, (right = !right) ? Qt::Key_Right : Qt::Key_Left);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_SliderStepWithPictures)
    ->ArgNames({"page", "prevalence"})
    ->Args({-1, 0})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

// Only the drawing of each picture, into an image of its size, antialiased as on screen.
void BM_DrawPicture(benchmark::State& state) {
  CaseState counts;
  counts.vp = 40, counts.fp = 7, counts.fn = 12, counts.vn = 355;
  const Report report = buildReport(counts, IntervalMethod::Wilson, 95);
  const Picture picture = state.range(0) ? nomogramPicture({report, 0.125, '.'})
                                         : curvePicture({report, 0.125, std::nullopt, '.'});
  QImage image(picture.size.toSize(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.draw(painter, QRectF(QPointF(0, 0), picture.size));
  }
}
BENCHMARK(BM_DrawPicture)->ArgName("nomogram")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

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

// The plot step's writer.
#include "plot_writer.h"

#include <QGuiApplication>
#include <algorithm>

#include "core/fagan.h"
#include "graficos/curve_drawing.h"
#include "graficos/nomogram_drawing.h"
#include "graficos/picture_export.h"
#include "picture_steps.h"

namespace tarnolo::replay {

namespace {

// Fonts need the toolkit; a replay on the control model has not started it.
void ensureToolkit() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tarnolo-replay";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

void writePlot(const PlotRequest& request) {
  ensureToolkit();
  const Picture picture =
      request.kind == "nomogram"
          ? nomogramPicture({request.report,
                             std::clamp(request.prevalence, kNomogramLowest, kNomogramHighest),
                             request.separator})
          : curvePicture({request.report, request.prevalence, std::nullopt, request.separator});
  const auto format = pictureFormatFromName(QString::fromStdString(request.format));
  savePicture(picture, format.value_or(PictureFormat::Png), request.path);
}

}  // namespace

void installPlotWriter() {
  setPlotWriter(writePlot);
}

}  // namespace tarnolo::replay

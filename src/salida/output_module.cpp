// The output module: the print dialog and the printer, and the SVG writer.
#include <QDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

#include "salida/output_module.h"

namespace tarnolo {

namespace {

class ToolkitOutput final : public OutputModule {
 public:
  PrintOutcome print(QWidget* parent, const PrintJob& job, const DialogHook& hook,
                     const PagePainter& paint) override {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.documentName);
    if (job.marginsMillimetres)
      printer.setPageMargins(*job.marginsMillimetres, QPageLayout::Millimeter);
    if (job.orientation) printer.setPageOrientation(*job.orientation);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dialogoImprimir"));
    if (hook) hook(dialog);
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    const bool painted = paint(printer);
    return painted && printer.printerState() != QPrinter::Error ? PrintOutcome::Printed
                                                                : PrintOutcome::Failed;
  }

  bool writeSvg(QIODevice& device, const QSizeF& size, const QString& title,
                const QString& description, const std::function<void(QPainter&)>& paint) override {
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    generator.setResolution(96);
    generator.setTitle(title);
    generator.setDescription(description);
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    paint(painter);
    return painter.end();
  }
};

}  // namespace

}  // namespace tarnolo

extern "C" Q_DECL_EXPORT tarnolo::OutputModule* tarnoloOutputModule() {
  static tarnolo::ToolkitOutput output;
  return &output;
}

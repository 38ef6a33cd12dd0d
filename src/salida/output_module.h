// The printer and the SVG writer live in a module of their own, libtarnolo-salida.so, loaded
// the first time a window prints or writes SVG: the program starts without the toolkit's print
// and SVG libraries, which only those two ways out need.
#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QDialog;
class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace tarnolo {

// What a window asks of the printer before its dialog opens.
struct PrintJob {
  QString documentName;                         // the name in the print queue
  std::optional<QMarginsF> marginsMillimetres;  // the printer's own when empty
  std::optional<QPageLayout::Orientation> orientation;
};

enum class PrintOutcome { Cancelled, Printed, Failed };

using DialogHook = std::function<void(QDialog&)>;
// Paints every page on the device; false when a page could not be painted.
using PagePainter = std::function<bool(QPagedPaintDevice&)>;

class OutputModule {
 public:
  virtual ~OutputModule() = default;
  // Shows the print dialog (named "dialogoImprimir"; hook sees it before it runs). Once the user
  // accepts, paints the pages and tells whether the printer took them.
  virtual PrintOutcome print(QWidget* parent, const PrintJob& job, const DialogHook& hook,
                             const PagePainter& paint) = 0;
  // Writes an SVG document of size logical pixels (96 per inch) into device.
  virtual bool writeSvg(QIODevice& device, const QSizeF& size, const QString& title,
                        const QString& description,
                        const std::function<void(QPainter&)>& paint) = 0;
};

// The module, loaded on first use. Null when it cannot be loaded, with the loader's reason in
// why (when given); the next call tries again.
OutputModule* outputModule(std::string* why = nullptr);

// Prints through the module; Failed when the module cannot be loaded.
PrintOutcome printPages(QWidget* parent, const PrintJob& job, const DialogHook& hook,
                        const PagePainter& paint);

}  // namespace tarnolo

// The module's one entry point, looked up by name when it is loaded.
extern "C" tarnolo::OutputModule* tarnoloOutputModule();

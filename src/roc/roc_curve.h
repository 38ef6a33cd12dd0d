// The empirical ROC curve of a graded test as a picture, and the widget that shows it.
#pragma once

#include <QString>
#include <QWidget>

#include "core/roc_analysis.h"
#include "graficos/picture_export.h"

namespace tarnolo {

// The curve of analysis: the chance diagonal, the points of every cut-off joined from (0, 0) to
// (1, 1) and labelled "≥K", the best cut-off marked, the cut-off selected ringed (none when 0).
// Its caption names the counts, the method, the level and the area with its limits.
Picture rocCurvePicture(const RocAnalysis& analysis, int selected, char separator);

// The text alternative of the curve, for a screen reader: the area and each point in words.
QString rocCurveDescription(const RocAnalysis& analysis, char separator);

// Shows the curve, or nothing while there is no analysis.
class RocCurveView : public QWidget {
  Q_OBJECT

 public:
  explicit RocCurveView(QWidget* parent = nullptr);
  // Shows analysis with the cut-off selected; nullptr shows nothing.
  void setAnalysis(const RocAnalysis* analysis, int selected);
  QSize sizeHint() const override { return {460, 460}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Q_DISABLE_COPY(RocCurveView)
  const RocAnalysis* m_analysis = nullptr;
  int m_selected = 0;
};

}  // namespace tarnolo

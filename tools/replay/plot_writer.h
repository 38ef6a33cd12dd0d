// The plot step's writer in a program built with the window: the pictures as the window draws
// them, into PNG, SVG or PDF files.
#pragma once

namespace tarnolo::replay {

// Installs the writer (setPlotWriter). It starts the toolkit off screen when nothing has.
void installPlotWriter();

}  // namespace tarnolo::replay

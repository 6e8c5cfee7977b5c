#pragma once
// The start of the program: everything the main window needs is made ready, in a fixed order,
// before the window is shown.

class QApplication;

namespace veltrin {

// Runs the program in `app` until the main window closes; returns the exit code.
int Main(QApplication& app);

}  // namespace veltrin

#pragma once

#include <functional>

namespace brannock {

class FrmMain;

/// Brannock from its command line to its end: --help and --version answer without a window;
/// otherwise the application, the platform's ports and the main window are made, the window
/// loads, and the event loop runs. `beforeLoad` (may be empty) is given the main window
/// before it loads, for a host program that watches it. Returns the exit code.
int runBrannock(int argc, char *argv[], const std::function<void(FrmMain &)> &beforeLoad = {});

} // namespace brannock

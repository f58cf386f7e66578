// Brannock that ends as soon as its main window has painted its first frame: the same
// program as Brannock (runBrannock), with a watcher on the main window. The end-to-end
// suite, the package check and the start-up benchmarks start it; the shipped program has
// no such hook.
#include "main_window/FrmMain.h"
#include "main_window/Program.h"

#include <QEvent>
#include <QTimer>

#include <cstdlib>

namespace {

/// Ends the process once the window's first paint has been handled, without the orderly
/// shut-down, so that the time measured is the time to that frame.
class QuitAtFirstFrame final : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QuitAtFirstFrame quitAtFirstFrame;
    return brannock::runBrannock(argc, argv, [&](brannock::FrmMain &window) {
        window.installEventFilter(&quitAtFirstFrame);
    });
}

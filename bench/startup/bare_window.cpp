// A plain Qt window of the main window's size that quits once its first frame is painted.
// With "--caption" it also shows one line of text, which brings up the font system that
// every window with text pays for.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {
class Window final : public QWidget {
protected:
    // Ends the process at once, as brannock_first_frame does.
    void paintEvent(QPaintEvent *) override { QTimer::singleShot(0, [] { std::_Exit(0); }); }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window window;
    window.setFixedSize(315, 288);
    if (QCoreApplication::arguments().contains(QStringLiteral("--caption")))
        (new QLabel(QStringLiteral("Kestrow Wendle VI"), &window))->move(10, 10);
    window.show();
    return QApplication::exec();
}

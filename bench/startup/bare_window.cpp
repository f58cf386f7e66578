// A plain Qt window of the main window's size that quits once its first frame is painted.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {
class Window final : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override { QTimer::singleShot(0, qApp, &QCoreApplication::quit); }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window window;
    window.setFixedSize(315, 288);
    window.show();
    return QApplication::exec();
}

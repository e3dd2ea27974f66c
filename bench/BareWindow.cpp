// A bare Qt window, the least a Qt program shows: what the game's start is
// measured beside (bench/startup-cost).
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("bare");
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}

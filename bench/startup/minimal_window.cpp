// The yardstick for hibimaker's start-up: an empty Qt Widgets window of the
// same client size, titled "minimal", and nothing else. measure.sh starts
// both and compares the time to the mapped window and the resident memory.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("minimal");
    window.resize(574, 311);
    window.show();
    return application.exec();
}

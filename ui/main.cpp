#include <QApplication>

#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    // A global menu bar would drop the titles that have no items.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    fendrel::MainWindow window;
    window.show();
    return app.exec();
}

// cabrion: the desktop application.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Untitled - Cabrion No connection to BTS "));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.show();
    return app.exec();
}

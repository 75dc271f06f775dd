#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cijferwerf"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Cijferwerf"));
    window.show();
    return QApplication::exec();
}

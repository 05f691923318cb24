// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    label.show();
    return app.exec();
}

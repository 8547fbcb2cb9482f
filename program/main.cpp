#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Tundrik"));
    placeholder.setWindowTitle(QStringLiteral("Tundrik"));
    placeholder.resize(300, 100);
    placeholder.show();
    return app.exec();
}

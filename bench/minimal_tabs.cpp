// The yardstick for start-up time: the least Qt Widgets program with a window of five tabs.
#include <QApplication>
#include <QLabel>
#include <QTabWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTabWidget window;
    window.setWindowTitle(QStringLiteral("Five tabs"));
    for (const char* name : {"One", "Two", "Three", "Four", "Five"})
        window.addTab(new QLabel(QString::fromLatin1(name)), QString::fromLatin1(name));
    window.resize(513, 329);
    window.show();
    return QApplication::exec();
}

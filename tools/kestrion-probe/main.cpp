// Prints what the foundation library reads and formats on this machine.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "Kestrion probe\n";
    return 0;
}

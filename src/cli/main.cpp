#include "cli/TorvaCli.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return TorvaCli::run(QCoreApplication::arguments());
}

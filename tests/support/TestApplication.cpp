#include "TestApplication.h"

#include <QCoreApplication>

void TestApplication::ensure()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "torva_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

#include "app/clirun.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return runCli(app.arguments().mid(1), stdout, stderr);
}

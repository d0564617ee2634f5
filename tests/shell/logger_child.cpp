// A process that logs through the log handler the way the program does and
// then ends: normally, or with a fatal message.

#include "TestFixture.h"
#include "QLogger.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cstring>

int main(int argc, char *argv[])
{
    fixture::nameAsTheProgram();
    QLogger::start();
    if (argc > 1 && std::strcmp(argv[1], "fatal") == 0)
        qFatal("Stopping here: %s", "no way on");
    qDebug("Run ended.");
    QLogger::finish();
    return 0;
}

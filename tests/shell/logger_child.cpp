// A process that logs a fatal message through the log handler the way the
// program would.

#include "TestFixture.h"
#include "QLogger.h"

#include <QtGlobal>

int main(int, char *[])
{
    fixture::nameAsTheProgram();
    QLogger::start();
    qFatal("Stopping here: %s", "no way on");
}

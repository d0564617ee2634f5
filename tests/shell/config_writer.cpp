// Rewrites config.ini without pause until it is killed, for the test that
// kills a writer in the middle of a write.

#include "TestFixture.h"
#include "StressPayload.h"
#include "fileio.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    fixture::nameAsTheProgram();
    fileIo io;
    quint64 n = QString::fromLatin1(argc > 1 ? argv[1] : "1").toULongLong();
    for (;; ++n) {
        io.setIni(QStringLiteral("Stress"), QStringLiteral("payload"), stressPayload(n));
        std::printf("%llu\n", static_cast<unsigned long long>(n));
        std::fflush(stdout);
    }
}

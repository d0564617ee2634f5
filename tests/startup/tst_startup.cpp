// The real program started as a user would: with the virtual switch, without
// it, and with it dying under the program.

#include "VirtualSwitch.h"

#include <QProcess>
#include <QtTest>

class StartupTest : public QObject
{
    Q_OBJECT

private:
    static bool keepsRunning(QProcess &program, int ms)
    {
        return !program.waitForFinished(ms) && program.state() == QProcess::Running;
    }

    static void stop(QProcess &program)
    {
        program.kill();
        program.waitForFinished(5000);
    }

private slots:
    void runsWithAndWithoutTheVirtualSwitch()
    {
        VirtualSwitch sim;
        QVERIFY(sim.start());
        QProcess program;
        program.setProcessEnvironment(sim.environment());
        program.start(QStringLiteral(PORTVIEW_EXECUTABLE), QStringList());
        QVERIFY(program.waitForStarted());
        QVERIFY(keepsRunning(program, 1500));
        sim.kill();
        QVERIFY(keepsRunning(program, 1000));
        stop(program);

        QProcessEnvironment absent = QProcessEnvironment::systemEnvironment();
        absent.insert(QStringLiteral("PORTVIEW_SIMULATOR"), QStringLiteral("no-such-switch"));
        program.setProcessEnvironment(absent);
        program.start(QStringLiteral(PORTVIEW_EXECUTABLE), QStringList());
        QVERIFY(program.waitForStarted());
        QVERIFY(keepsRunning(program, 1500));
        stop(program);
    }

    void exitEndsTheOtherCopies()
    {
        QProcess first;
        first.start(QStringLiteral(PORTVIEW_EXECUTABLE), QStringList());
        QVERIFY(first.waitForStarted());
        QVERIFY(keepsRunning(first, 1000));

        QProcess ender;
        ender.start(QStringLiteral(PORTVIEW_EXECUTABLE), {QStringLiteral("-exit")});
        QVERIFY(ender.waitForFinished(30000));
        QCOMPARE(ender.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ender.exitCode(), 0);
        QVERIFY(first.waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"

#include "VersionText.h"

#include <QtTest>

class VersionTextTest : public QObject
{
    Q_OBJECT

private slots:
    void showsThreePartsWithAPaddedThird()
    {
        QCOMPARE(versionText(QStringLiteral("3.4.5.6")), QStringLiteral("3.4.005"));
        QCOMPARE(versionText(QStringLiteral("1.10.212.0")), QStringLiteral("1.10.212"));
        QCOMPARE(versionText(QStringLiteral("2.07.1.9")), QStringLiteral("2.7.001"));
        QCOMPARE(versionText(QStringLiteral("1.0.1234.5")), QStringLiteral("1.0.1234"));
        // Versions that do not have four parts are shown as they are.
        QCOMPARE(versionText(QStringLiteral("1.2.3")), QStringLiteral("1.2.3"));
        QCOMPARE(versionText(QStringLiteral("7")), QStringLiteral("7"));
        QCOMPARE(versionText(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(VersionTextTest)
#include "tst_versiontext.moc"

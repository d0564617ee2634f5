#include "KeyTable.h"

#include <QtTest>

class KeyTableTest : public QObject
{
    Q_OBJECT

private slots:
    void namesFollowTheFixedTable()
    {
        const QMap<QString, QVariant> table = KeyTable::build();
        QCOMPARE(table.size(), 107);
        QCOMPARE(KeyTable::nameOf(table, 160), QStringLiteral("Shift"));
        QCOMPARE(KeyTable::nameOf(table, 161), QStringLiteral("Shift"));
        QCOMPARE(KeyTable::nameOf(table, 145), QStringLiteral("Scrol lLock"));
        QCOMPARE(KeyTable::nameOf(table, 12), QStringLiteral("NumPad5"));
        QCOMPARE(KeyTable::nameOf(table, 101), QStringLiteral("NumPad5"));
        QCOMPARE(KeyTable::nameOf(table, 16), QStringLiteral("16"));
        QCOMPARE(KeyTable::nameOf(table, 107), QStringLiteral("NumPad +"));
        QCOMPARE(KeyTable::nameOf(table, 220), QStringLiteral("\\"));
        QCOMPARE(KeyTable::nameOf(table, 192), QStringLiteral("`"));
        QCOMPARE(KeyTable::nameOf(table, 123), QStringLiteral("F12"));
        QCOMPARE(KeyTable::nameOf(table, 90), QStringLiteral("Z"));
        QCOMPARE(KeyTable::nameOf(table, 0xE2), QString());
        QCOMPARE(KeyTable::nameOf(table, 0), QString());
    }

    void convertingCodeListsKeepsTheSeparatorRules()
    {
        const QMap<QString, QVariant> table = KeyTable::build();
        auto convert = [&table](const char *codes) { return KeyTable::convertVkcodes(table, QString::fromLatin1(codes)); };
        QCOMPARE(convert("162,164,83"), QStringLiteral("Ctrl,Alt,S"));
        QCOMPARE(convert(""), QString());
        QCOMPARE(convert("255,162"), QStringLiteral("Ctrl"));
        QCOMPARE(convert("162,255"), QStringLiteral("Ctrl,"));
        QCOMPARE(convert("162,255,164"), QStringLiteral("Ctrl,Alt"));
        QCOMPARE(convert("161"), QStringLiteral("Shift"));
        QCOMPARE(convert("145"), QStringLiteral("Scrol lLock"));
        QCOMPARE(convert("083"), QString());
        QCOMPARE(convert(" 83"), QString());
        QCOMPARE(convert("83 ,65"), QStringLiteral("A"));
        QCOMPARE(convert(",,"), QString());
        QCOMPARE(convert("65,,66"), QStringLiteral("A,B"));
    }
};

QTEST_GUILESS_MAIN(KeyTableTest)
#include "tst_keytable.moc"

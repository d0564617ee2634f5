#include "StatusReply.h"

#include <QtTest>

namespace {
QString reply(const QStringList &lines)
{
    return QStringLiteral("\uFFFD\r\n") + lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
} // namespace

class StatusReplyTest : public QObject
{
    Q_OBJECT

private slots:
    void labelledLinesFillTheirKeys()
    {
        const QVariantMap defaults = StatusReply::defaults(QStringLiteral("Vemo"));
        QCOMPARE(defaults.value("modelname").toString(), QStringLiteral("QV5830"));
        QCOMPARE(StatusReply::defaults(QStringLiteral("Hollin")).value("modelname").toString(),
                 QStringLiteral("TLM2480VV"));
        QCOMPARE(defaults.size(), 8);

        const auto status = StatusReply::parse(
            reply({"module name: QV5840", "FW version: V1.0.9", "input port: 2", "switch mode: faster",
                   "Port1: online", "Port2:", "Port1 Name: Desk: left : x", "Port2 Name:  Laptop  ",
                   "unknown: 7", "Module Name: WRONG", "no colon here", "read Command OK"}),
            defaults);
        QVERIFY(status.has_value());
        QCOMPARE(status->value("modelname").toString(), QStringLiteral("QV5840"));
        QCOMPARE(status->value("version").toString(), QStringLiteral("V1.0.9"));
        QCOMPARE(status->value("curport").toString(), QStringLiteral("2"));
        QCOMPARE(status->value("smode").toString(), QStringLiteral("faster"));
        QCOMPARE(status->value("Port1").toString(), QStringLiteral("o"));
        QCOMPARE(status->value("Port2").toString(), QString());
        QCOMPARE(status->value("Name1").toString(), QStringLiteral("Desk"));
        QCOMPARE(status->value("Name2").toString(), QStringLiteral("Laptop"));
        QCOMPARE(status->size(), 8);
    }

    void unacknowledgedOrOddRepliesKeepTheirPlace()
    {
        const QVariantMap defaults = StatusReply::defaults(QStringLiteral("Vemo"));
        QVERIFY(!StatusReply::parse(reply({"module name: X", "input port: 1"}), defaults).has_value());
        QVERIFY(!StatusReply::parse(QString(), defaults).has_value());
        QVERIFY(!StatusReply::parse(QStringLiteral("read command ok"), defaults).has_value());

        // A label seen twice keeps the later value; a wrongly cased label is ignored.
        const auto twice = StatusReply::parse(
            reply({"input port: 1", "input port: 2", "switch Mode: faster", "read Command OK"}), defaults);
        QVERIFY(twice.has_value());
        QCOMPARE(twice->value("curport").toString(), QStringLiteral("2"));
        QCOMPARE(twice->value("smode").toString(), QStringLiteral("normal"));

        // The acknowledgement alone gives the defaults.
        QCOMPARE(*StatusReply::parse(QStringLiteral("read Command OK"), defaults), defaults);
    }
};

QTEST_GUILESS_MAIN(StatusReplyTest)
#include "tst_statusreply.moc"

// The registry service over the registry emulation and config.ini: muting
// and restoring the device sounds, and the application's own key.

#include "TestFixture.h"
#include "RegistryStore.h"
#include "fileio.h"
#include "regedit.h"

#include <QFile>
#include <QtTest>

namespace {

const QString kScheme = QStringLiteral("HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default");

QString currentSound(const char *event)
{
    return RegistryStore::value(kScheme + QLatin1Char('\\') + QLatin1String(event) + QStringLiteral("\\.Current"),
                                QStringLiteral("."))
        .toString();
}

void setDefaultSound(const char *event, const QString &path)
{
    RegistryStore::setValue(kScheme + QLatin1Char('\\') + QLatin1String(event) + QStringLiteral("\\.Default"),
                            QStringLiteral("."), path);
}

} // namespace

class RegeditTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fixture::nameAsTheProgram();
    }

    void restoringBeforeAnyReadLeavesTheSoundsSilent()
    {
        RegistryStore::setValue(kScheme + QStringLiteral("\\DeviceConnect\\.Current"), QStringLiteral("."),
                                QStringLiteral("user.wav"));
        regedit registry;
        registry.emitRestore();
        QCOMPARE(currentSound("DeviceConnect"), QString());
        QCOMPARE(currentSound("DeviceFail"), QString());
    }

    void muteAndRestoreGoThroughTheRememberedDefaults()
    {
        setDefaultSound("DeviceConnect", QStringLiteral("%SystemRoot%\\media\\Windows Hardware Insert.wav"));
        setDefaultSound("DeviceDisConnect", QStringLiteral("%SystemRoot%\\media\\Windows Hardware Remove.wav"));
        regedit registry;
        const QVariantMap defaults = registry.getMuteReg(QStringLiteral("."), QString());
        QCOMPARE(defaults.value("connect").toString(), QStringLiteral("%SystemRoot%\\media\\Windows Hardware Insert.wav"));
        QCOMPARE(defaults.value("disconnect").toString(),
                 QStringLiteral("%SystemRoot%\\media\\Windows Hardware Remove.wav"));
        QCOMPARE(defaults.value("fail").toString(), QString()); // no default sound: empty
        QCOMPARE(defaults.size(), 3);
        fileIo io;
        const QVariantMap remembered = io.loadIni(QStringLiteral("System"), QString());
        QCOMPARE(remembered.value("connect"), defaults.value("connect"));
        QCOMPARE(remembered.value("fail").toString(), QString());
        QVERIFY(remembered.contains("fail"));

        registry.setMuteReg(QStringLiteral("ignored"), QString());
        QCOMPARE(currentSound("DeviceConnect"), QString());
        QCOMPARE(currentSound("DeviceDisConnect"), QString());

        // The default changes later: a restore brings the one of the last read.
        setDefaultSound("DeviceConnect", QStringLiteral("new.wav"));
        registry.emitRestore();
        QCOMPARE(currentSound("DeviceConnect"), defaults.value("connect").toString());
        QCOMPARE(currentSound("DeviceDisConnect"), defaults.value("disconnect").toString());
        registry.getMuteReg(QStringLiteral("."));
        registry.emitRestore();
        QCOMPARE(currentSound("DeviceConnect"), QStringLiteral("new.wav"));
        QVERIFY(QFile::exists(RegistryStore::emulationFile()));
    }

    void theApplicationKeyReadsAsText()
    {
        regedit registry;
        QCOMPARE(registry.readRegedit(QStringLiteral("absent")), QString());
        QCOMPARE(registry.readRegedit(QStringLiteral("absent"), 7), QStringLiteral("7"));
        registry.setRegedit(QStringLiteral("language"), 3);
        QCOMPARE(registry.readRegedit(QStringLiteral("language")), QStringLiteral("3"));
        registry.setRegedit(QStringLiteral("language"), QStringLiteral("cn_t"));
        QCOMPARE(registry.readRegedit(QStringLiteral("language"), 0), QStringLiteral("cn_t"));
    }
};

QTEST_GUILESS_MAIN(RegeditTest)
#include "tst_regedit.moc"

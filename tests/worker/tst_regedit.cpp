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

    void muteAndRestoreGoThroughTheRememberedDefaults()
    {
        // Restoring before any read leaves the sounds silent.
        RegistryStore::setValue(kScheme + QStringLiteral("\\DeviceConnect\\.Current"), QStringLiteral("."), QStringLiteral("user.wav"));
        regedit registry;
        registry.emitRestore();
        QCOMPARE(currentSound("DeviceConnect") + currentSound("DeviceFail"), QString());

        const QString insert = QStringLiteral("%SystemRoot%\\media\\Windows Hardware Insert.wav");
        const QString remove = QStringLiteral("%SystemRoot%\\media\\Windows Hardware Remove.wav");
        setDefaultSound("DeviceConnect", insert);
        setDefaultSound("DeviceDisConnect", remove);
        const QVariantMap defaults{{"connect", insert}, {"disconnect", remove}, {"fail", QString()}}; // no default sound: empty
        QCOMPARE(registry.getMuteReg(QStringLiteral("."), QString()), defaults);
        const QVariantMap remembered = fileIo().loadIni(QStringLiteral("System"), QString());
        for (const QString &key : defaults.keys())
            QCOMPARE(remembered.value(key, QStringLiteral("<missing>")).toString(), defaults.value(key).toString());
        registry.setMuteReg(QStringLiteral("ignored"), QString());
        QCOMPARE(currentSound("DeviceConnect") + currentSound("DeviceDisConnect"), QString());

        // The default changes later: a restore brings the one of the last read.
        setDefaultSound("DeviceConnect", QStringLiteral("new.wav"));
        registry.emitRestore();
        QCOMPARE(currentSound("DeviceConnect"), insert);
        QCOMPARE(currentSound("DeviceDisConnect"), remove);
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

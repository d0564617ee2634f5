// Device arrival and removal from udev's properties to the interface: the
// IDs read from udev, the interface names built from them, the memory that
// names a removal, and which names make the filter tell the interface.

#include "Platform/linux/udevnames.h"
#include "RegistryStore.h"
#include "TestFixture.h"
#include "UpgradeEventFilter.h"
#include "monitor.h"

#include <QSignalSpy>
#include <QtTest>

using platform::DeviceNameBook;
using platform::UdevEvent;

namespace {

QString q(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

QString ids(const std::optional<platform::UsbIds> &ids)
{
    return ids ? QStringLiteral("%1:%2").arg(ids->vendor, 4, 16, QLatin1Char('0')).arg(ids->product, 4, 16, QLatin1Char('0'))
               : QStringLiteral("none");
}

UdevEvent hidraw(const char *action, const char *node, const char *hidId)
{
    return UdevEvent{action, "hidraw",
                     std::string("/sys/devices/pci0000:00/usb1/1-2/1-2:1.0/0003:1209:0001.0004/hidraw/") + node, node,
                     hidId, ""};
}

UdevEvent usb(const char *action, const char *port, const char *product)
{
    return UdevEvent{action, "usb", std::string("/sys/devices/pci0000:00/usb1/") + port, port, "", product};
}

const QString kHidClass = QStringLiteral("#{4d1e55b2-f16f-11cf-88cb-001111000030}");
const QString kUsbClass = QStringLiteral("#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");

} // namespace

class DeviceChangeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fixture::nameAsTheProgram();
        auto &supported = Monitor::instance()->supportedIds();
        for (const char *key : {"1209-0001", "12ab-00cd"})
            supported.insert(QLatin1String(key), QLatin1String(key));
    }

    void idsAreReadFromUdevProperties_data()
    {
        QTest::addColumn<bool>("fromHidId"); // HID_ID of the parent, else PRODUCT of a USB device
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("HID_ID") << true << QByteArray("0003:00001209:00000001") << "1209:0001";
        QTest::newRow("HID_ID cases") << true << QByteArray("0003:0000046D:0000c52b") << "046d:c52b";
        QTest::newRow("HID_ID short") << true << QByteArray("3:1209:1") << "1209:0001";
        QTest::newRow("PRODUCT") << false << QByteArray("1209/1/100") << "1209:0001";
        QTest::newRow("PRODUCT cases") << false << QByteArray("46D/c52b/1211") << "046d:c52b";
        QTest::newRow("PRODUCT zeros") << false << QByteArray("0/0/0") << "0000:0000";
        for (const char *garbage : {"", ":", "0003:00001209", "0003:00001209:00000001:5", "0003:00010000:00000001",
                                    "0003:00001209:FFFFFFFF", "0003:000001209:00000001", "0003:0000120G:00000001",
                                    "0003: 1209:0001", "0003:-1209:0001", "0003:00001209:00000001\n"})
            QTest::newRow(qPrintable(QStringLiteral("HID_ID %1").arg(garbage))) << true << QByteArray(garbage) << "none";
        for (const char *garbage : {"", "1209/1", "1209/1/100/7", "12090/1/100", "1209/10000/100", "1209//100",
                                    "1209/1/10000", "12g9/1/100", "1209 /1/100", "+1209/1/100", "0003:00001209:00000001"})
            QTest::newRow(qPrintable(QStringLiteral("PRODUCT %1").arg(garbage))) << false << QByteArray(garbage) << "none";
    }
    void idsAreReadFromUdevProperties()
    {
        QFETCH(bool, fromHidId);
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QCOMPARE(ids(fromHidId ? platform::idsFromHidId(text.constData()) : platform::idsFromUsbProduct(text.constData())),
                 expected);
    }

    void namesFollowTheWindowsPatternAndARemovalGetsItsArrivalsName()
    {
        using platform::InterfaceClass;
        // Characters that would break the pattern are replaced; an empty
        // instance still gives a part of its own.
        QCOMPARE(q(platform::interfaceName(InterfaceClass::Hid, {0xabcd, 0x00ef}, "a#b\\c&d e\x01\xc3\xa9")),
                 "\\\\?\\HID#VID_ABCD&PID_00EF#a_b_c_d_e___" + kHidClass);
        QCOMPARE(q(platform::interfaceName(InterfaceClass::UsbDevice, {1, 2}, "")),
                 "\\\\?\\USB#VID_0001&PID_0002#0" + kUsbClass);

        DeviceNameBook book;
        book.remember(hidraw("", "hidraw0", "0003:00001209:00000001")); // present at the start
        book.remember(hidraw("", "hidraw9", "not an id"));              // cannot be named: not kept
        const auto arrival = book.onEvent(hidraw("add", "hidraw3", "0003:00001209:00000001"));
        QVERIFY(arrival && arrival->arrival);
        QCOMPARE(q(arrival->interfaceName), "\\\\?\\HID#VID_1209&PID_0001#hidraw3" + kHidClass);
        QCOMPARE(book.size(), std::size_t(2));
        // The parent HID device is gone by the time the node is removed.
        for (const char *node : {"hidraw3", "hidraw0"}) {
            const auto removal = book.onEvent(hidraw("remove", node, ""));
            QVERIFY(removal && !removal->arrival);
            QCOMPARE(q(removal->interfaceName), "\\\\?\\HID#VID_1209&PID_0001#" + QLatin1String(node) + kHidClass);
        }
        QVERIFY(!book.onEvent(hidraw("remove", "hidraw3", ""))); // told once
        QCOMPARE(book.size(), std::size_t(0));

        // USB devices carry their IDs in the removal too, seen before or not.
        const auto usbArrival = book.onEvent(usb("add", "1-2", "1209/1/100"));
        const auto unseen = book.onEvent(usb("remove", "3-1", "46d/c52b/1211"));
        QVERIFY(usbArrival && usbArrival->arrival && unseen && !unseen->arrival);
        QCOMPARE(q(usbArrival->interfaceName), "\\\\?\\USB#VID_1209&PID_0001#1-2" + kUsbClass);
        QCOMPARE(q(unseen->interfaceName), "\\\\?\\USB#VID_046D&PID_C52B#3-1" + kUsbClass);
    }

    void eventsThatCannotBeNamedOrAreNoArrivalGiveNothing()
    {
        DeviceNameBook book;
        // A parent without HID_ID or with a bad one, a product without IDs, a
        // removal never seen and without IDs, other actions and subsystems, no path.
        for (const UdevEvent &event : {hidraw("add", "hidraw1", ""), hidraw("add", "hidraw1", "0003:nonsense"), usb("add", "1-3", "1209"),
                                       hidraw("remove", "hidraw1", ""), hidraw("change", "hidraw1", "0003:00001209:00000001"),
                                       usb("bind", "1-3", "1209/1/100"),
                                       UdevEvent{"add", "input", "/sys/x", "event3", "0003:00001209:00000001", "1209/1/100"},
                                       UdevEvent{"add", "hidraw", "", "hidraw1", "0003:00001209:00000001", ""}})
            QVERIFY(!book.onEvent(event));
        QCOMPARE(book.size(), std::size_t(0));
    }

    void onlySupportedInterfaceNamesSignal()
    {
        UpgradeEventFilter filter;
        QSignalSpy changed(&filter, &UpgradeEventFilter::devChanged);
        const QStringList supported = {
            "\\\\?\\USB#VID_1209&PID_0001#5&2a3b&0&1" + kUsbClass,
            "\\\\?\\HID#VID_1209&PID_0001#7&1f2e&0&0000" + kHidClass,
            QStringLiteral("\\\\?\\USB#VID_1209&PID_0001#5&2a3b#{f18a0e88-c30c-11d0-8815-00a0c906bed8}"),
            QStringLiteral("\\\\?\\HID#VID_12ab&PID_00cd#x"), // written as the catalogue writes it
            QStringLiteral("abc#1&2#VID_1209"),               // without "PID_": the product from position 3
        };
        Monitor::instance()->supportedIds().insert(QStringLiteral("1209-#1&2"), QString());
        for (const QString &name : supported) {
            QTest::ignoreMessage(QtDebugMsg, "support device is changed");
            filter.UpdateDevice(name);
        }
        QCOMPARE(changed.count(), supported.size()); // one signal per notification

        for (const QString &name : {"\\\\?\\HID#VID_046D&PID_C52B#7&1f2e" + kHidClass,
                                    "\\\\?\\hid#vid_1209&pid_0001#7&1f2e" + kHidClass,
                                    QStringLiteral("\\\\?\\HID#VID_12AB&PID_00CD#x"),
                                    QStringLiteral("ABCDVID_1209&PID_0001")})
            filter.UpdateDevice(name);
        for (const QString &shortName : {QString(), QStringLiteral("\\\\?\\"), QStringLiteral("VID_")}) {
            QTest::ignoreMessage(QtDebugMsg, "devinf length error");
            filter.UpdateDevice(shortName);
        }
        QCOMPARE(changed.count(), supported.size());

        filter.onPlaying(0x8004); // no disconnect sound known: nothing to play
        filter.onPlaying(0x8000);
    }

    // A removal hands the system's disconnect sound, with %SystemRoot%
    // expanded, to the platform's player (which only logs it here).
    void theRemovalPlaysTheDisconnectSound()
    {
        RegistryStore::setValue(QStringLiteral("HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\DeviceDisConnect\\.Default"),
                                QStringLiteral("."), QStringLiteral("%SystemRoot%\\media\\remove.wav"));
        qputenv("SYSTEMROOT", "C:\\Windows");
        UpgradeEventFilter filter;
        QTest::ignoreMessage(QtDebugMsg, "No sound is played on this system: C:\\Windows\\media\\remove.wav");
        filter.onPlaying(0x8004);
    }
};

QTEST_MAIN(DeviceChangeTest)
#include "tst_devicechange.moc"

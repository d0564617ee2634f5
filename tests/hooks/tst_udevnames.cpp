// Device-interface names built from udev's properties, the memory that
// names a removal, and the udev monitor itself as far as this machine lets
// it be exercised.

#include "Platform/devicenotify.h"
#include "Platform/linux/udevnames.h"

#include <QFile>
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
    if (!ids)
        return QStringLiteral("none");
    return QStringLiteral("%1:%2").arg(ids->vendor, 4, 16, QLatin1Char('0')).arg(ids->product, 4, 16, QLatin1Char('0'));
}

UdevEvent hidraw(const char *action, const char *node, const char *hidId)
{
    return UdevEvent { action, "hidraw", std::string("/sys/devices/pci0000:00/usb1/1-2/1-2:1.0/0003:1209:0001.0004/hidraw/") + node,
                       node, hidId, "" };
}

UdevEvent usb(const char *action, const char *port, const char *product)
{
    return UdevEvent { action, "usb", std::string("/sys/devices/pci0000:00/usb1/") + port, port, "", product };
}

} // namespace

class UdevNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void hidIdsAreReadFromHidId()
    {
        QCOMPARE(ids(platform::idsFromHidId("0003:00001209:00000001")), QStringLiteral("1209:0001"));
        QCOMPARE(ids(platform::idsFromHidId("0003:0000046D:0000C52B")), QStringLiteral("046d:c52b"));
        QCOMPARE(ids(platform::idsFromHidId("0003:0000046d:0000c52b")), QStringLiteral("046d:c52b"));
        QCOMPARE(ids(platform::idsFromHidId("0005:0000FFFF:0000FFFF")), QStringLiteral("ffff:ffff"));
        QCOMPARE(ids(platform::idsFromHidId("3:1209:1")), QStringLiteral("1209:0001"));
        for (const char *garbage : { "", ":", "::", "0003:00001209", "0003:00001209:00000001:5",
                                     "0003:00010000:00000001", "0003:00001209:FFFFFFFF", "0003:000001209:00000001",
                                     "0003::00000001", "0003:0000120G:00000001", "0003: 1209:0001", "0003:-1209:0001",
                                     "zzzz:00001209:00000001", "0003:00001209:00000001\n" })
            QVERIFY2(!platform::idsFromHidId(garbage), garbage);
    }

    void usbIdsAreReadFromProduct()
    {
        QCOMPARE(ids(platform::idsFromUsbProduct("1209/1/100")), QStringLiteral("1209:0001"));
        QCOMPARE(ids(platform::idsFromUsbProduct("46d/c52b/1211")), QStringLiteral("046d:c52b"));
        QCOMPARE(ids(platform::idsFromUsbProduct("1d6b/2/606")), QStringLiteral("1d6b:0002"));
        QCOMPARE(ids(platform::idsFromUsbProduct("0/0/0")), QStringLiteral("0000:0000"));
        QCOMPARE(ids(platform::idsFromUsbProduct("ABCD/EF01/0")), QStringLiteral("abcd:ef01"));
        for (const char *garbage : { "", "/", "//", "1209/1", "1209/1/100/7", "12090/1/100", "1209/10000/100",
                                     "1209//100", "1209/1/", "1209/1/10000", "12g9/1/100", "1209 /1/100", "+1209/1/100",
                                     "0003:00001209:00000001" })
            QVERIFY2(!platform::idsFromUsbProduct(garbage), garbage);
    }

    void namesFollowTheWindowsPattern()
    {
        using platform::InterfaceClass;
        QCOMPARE(q(platform::interfaceName(InterfaceClass::Hid, { 0x1209, 0x0001 }, "hidraw3")),
                 QStringLiteral("\\\\?\\HID#VID_1209&PID_0001#hidraw3#{4d1e55b2-f16f-11cf-88cb-001111000030}"));
        QCOMPARE(q(platform::interfaceName(InterfaceClass::UsbDevice, { 0x046d, 0xc52b }, "1-1.2")),
                 QStringLiteral("\\\\?\\USB#VID_046D&PID_C52B#1-1.2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"));
        // Characters that would break the pattern are replaced; an empty
        // instance still gives a part of its own.
        QCOMPARE(q(platform::interfaceName(InterfaceClass::Hid, { 0xabcd, 0x00ef }, "a#b\\c&d e\x01\xc3\xa9")),
                 QStringLiteral("\\\\?\\HID#VID_ABCD&PID_00EF#a_b_c_d_e___#{4d1e55b2-f16f-11cf-88cb-001111000030}"));
        QCOMPARE(q(platform::interfaceName(InterfaceClass::UsbDevice, { 1, 2 }, "")),
                 QStringLiteral("\\\\?\\USB#VID_0001&PID_0002#0#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"));
    }

    void aRemovalGetsTheNameItsArrivalHad()
    {
        DeviceNameBook book;
        const auto arrival = book.onEvent(hidraw("add", "hidraw3", "0003:00001209:00000001"));
        QVERIFY(arrival && arrival->arrival);
        QCOMPARE(q(arrival->interfaceName),
                 QStringLiteral("\\\\?\\HID#VID_1209&PID_0001#hidraw3#{4d1e55b2-f16f-11cf-88cb-001111000030}"));
        // The parent HID device is gone by the time the node is removed.
        const auto removal = book.onEvent(hidraw("remove", "hidraw3", ""));
        QVERIFY(removal && !removal->arrival);
        QCOMPARE(removal->interfaceName, arrival->interfaceName);
        QCOMPARE(book.size(), std::size_t(0));
        // Told once: a second removal of the same node has no name left.
        QVERIFY(!book.onEvent(hidraw("remove", "hidraw3", "")));

        // USB devices carry their IDs in the removal too.
        const auto usbArrival = book.onEvent(usb("add", "1-2", "1209/1/100"));
        QVERIFY(usbArrival && usbArrival->arrival);
        QCOMPARE(q(usbArrival->interfaceName),
                 QStringLiteral("\\\\?\\USB#VID_1209&PID_0001#1-2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"));
        const auto usbRemoval = book.onEvent(usb("remove", "1-2", "1209/1/100"));
        QVERIFY(usbRemoval && !usbRemoval->arrival);
        QCOMPARE(usbRemoval->interfaceName, usbArrival->interfaceName);
        // A USB device the book never saw is still named from its event.
        const auto unseen = book.onEvent(usb("remove", "3-1", "46d/c52b/1211"));
        QVERIFY(unseen && !unseen->arrival);
        QCOMPARE(q(unseen->interfaceName),
                 QStringLiteral("\\\\?\\USB#VID_046D&PID_C52B#3-1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"));
    }

    void devicesPresentAtTheStartAreNamedWhenTheyLeave()
    {
        DeviceNameBook book;
        book.remember(hidraw("", "hidraw0", "0003:00001209:00000001"));
        book.remember(usb("", "1-2", "1209/1/100"));
        book.remember(hidraw("", "hidraw9", "not an id")); // cannot be named: not kept
        QCOMPARE(book.size(), std::size_t(2));
        const auto removal = book.onEvent(hidraw("remove", "hidraw0", ""));
        QVERIFY(removal && !removal->arrival);
        QCOMPARE(q(removal->interfaceName),
                 QStringLiteral("\\\\?\\HID#VID_1209&PID_0001#hidraw0#{4d1e55b2-f16f-11cf-88cb-001111000030}"));
    }

    void eventsThatCannotBeNamedOrAreNoArrivalGiveNothing()
    {
        DeviceNameBook book;
        QVERIFY(!book.onEvent(hidraw("add", "hidraw1", "")));                   // parent without HID_ID
        QVERIFY(!book.onEvent(hidraw("add", "hidraw1", "0003:nonsense")));
        QVERIFY(!book.onEvent(usb("add", "1-3", "")));
        QVERIFY(!book.onEvent(usb("add", "1-3", "1209")));
        QVERIFY(!book.onEvent(hidraw("remove", "hidraw1", "")));               // never seen, no IDs
        QVERIFY(!book.onEvent(hidraw("change", "hidraw1", "0003:00001209:00000001")));
        QVERIFY(!book.onEvent(usb("bind", "1-3", "1209/1/100")));
        QVERIFY(!book.onEvent(UdevEvent { "add", "input", "/sys/x", "event3", "0003:00001209:00000001", "1209/1/100" }));
        QVERIFY(!book.onEvent(UdevEvent { "add", "hidraw", "", "hidraw1", "0003:00001209:00000001", "" }));
        QCOMPARE(book.size(), std::size_t(0));
    }

    void theMonitorStartsWithTheSourceThisMachineHas()
    {
        // Whether the udev daemon or the kernel feeds it, the monitor must
        // come up; this machine may have no HID or USB devices to announce,
        // so what reaches the handler is covered above, not here.
        static int calls = 0;
        auto handler = [](void *context, bool, const std::u16string &) { ++*static_cast<int *>(context); };
        QVERIFY(!platform::startDeviceMonitor(nullptr, &calls));
        QVERIFY(platform::startDeviceMonitor(handler, &calls));
        QTest::qWait(100); // the notifier runs; whatever it reads must not upset it
        qInfo("udev source: %s", QFile::exists(QStringLiteral("/run/udev/control")) ? "udev" : "kernel");

        // Elsewhere the native-message half does nothing.
        QCOMPARE(int(platform::decodeNativeMessage(nullptr).kind), int(platform::DeviceMessageKind::Other));
        int dummy = 0;
        QCOMPARE(int(platform::decodeNativeMessage(&dummy).kind), int(platform::DeviceMessageKind::Other));
        platform::registerDeviceNotifications(0);
    }
};

QTEST_GUILESS_MAIN(UdevNamesTest)
#include "tst_udevnames.moc"

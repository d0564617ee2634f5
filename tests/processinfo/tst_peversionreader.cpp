// The PE version reader against executables built by the mingw-w64 tools
// (values as the Windows version API reports them), hand-built version
// resources for the lookup rules, and damaged files.

#include "Platform/elfversionreader.h"

#include <QtTest>

namespace {

const std::vector<std::u16string> kKeys = {u"CompanyName",    u"FileDescription",  u"FileVersion",
                                           u"InternalName",   u"LegalCopyright",   u"OriginalFilename",
                                           u"ProductName",    u"ProductVersion"};

QString fixture(const char *name)
{
    return QStringLiteral(PE_FIXTURE_DIR "/") + QLatin1String(name);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

platform::FileVersionStrings readFile(const QString &path)
{
    return platform::readFileVersionStrings(QFile::encodeName(path).toStdString(), kKeys);
}

platform::FileVersionStrings readBytes(const QByteArray &bytes)
{
    const pe::MemoryBytes source(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size()));
    return pe::readVersionStrings(source, kKeys);
}

// Key -> value, with "<missing>" for a key that was not found.
QMap<QString, QString> valuesOf(const platform::FileVersionStrings &strings)
{
    QMap<QString, QString> values;
    for (size_t i = 0; i < strings.values.size(); ++i) {
        values.insert(QString::fromStdU16String(kKeys[i]), strings.values[i]
                                                               ? QString::fromStdU16String(*strings.values[i])
                                                               : QStringLiteral("<missing>"));
    }
    return values;
}

QMap<QString, QString> allMissing()
{
    QMap<QString, QString> values;
    for (const std::u16string &key : kKeys)
        values.insert(QString::fromStdU16String(key), QStringLiteral("<missing>"));
    return values;
}

// --- Building version resources by hand -----------------------------------

void pad4(QByteArray &bytes)
{
    while (bytes.size() % 4)
        bytes.append('\0');
}

QByteArray utf16z(const QString &text)
{
    QByteArray bytes(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    bytes.append(2, '\0');
    return bytes;
}

void putU16(QByteArray &bytes, int at, quint16 value)
{
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
}

// One node: wLength, wValueLength, wType, key, value, children, aligned as
// resource compilers align them.
QByteArray node(const QString &key, const QByteArray &value, quint16 valueLength, quint16 type,
                const QList<QByteArray> &children = {})
{
    QByteArray bytes(6, '\0');
    bytes += utf16z(key);
    pad4(bytes);
    bytes += value;
    for (const QByteArray &child : children) {
        pad4(bytes);
        bytes += child;
    }
    putU16(bytes, 0, quint16(bytes.size()));
    putU16(bytes, 2, valueLength);
    putU16(bytes, 4, type);
    return bytes;
}

QByteArray stringNode(const QString &key, const QString &value)
{
    return node(key, utf16z(value), quint16(value.size() + 1), 1);
}

QByteArray translationNode(const QByteArray &table)
{
    return node(QStringLiteral("VarFileInfo"), {}, 0, 1,
                {node(QStringLiteral("Translation"), table, quint16(table.size()), 0)});
}

QByteArray resource(const QList<QByteArray> &strings, const QByteArray &translation, const QString &block)
{
    return node(QStringLiteral("VS_VERSION_INFO"), QByteArray(52, '\0'), 52, 0,
                {node(QStringLiteral("StringFileInfo"), {}, 0, 1, {node(block, {}, 0, 1, strings)}),
                 translationNode(translation)});
}

std::vector<std::uint8_t> toVector(const QByteArray &bytes)
{
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::optional<QString> query(const QByteArray &bytes, const QString &path)
{
    const std::vector<std::uint8_t> data = toVector(bytes);
    const auto value = pe::queryValue(data, path.toStdU16String());
    if (!value)
        return std::nullopt;
    return QString::fromStdU16String(pe::stringValue(data, *value));
}

const QByteArray kEnglishUnicode("\x09\x04\xb0\x04", 4);

} // namespace

class PeVersionReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void builtExecutablesReadAsWindowsReportsThem()
    {
        QMap<QString, QString> product = allMissing();
        product["CompanyName"] = "Vemo Technology";
        product["FileDescription"] = "Firmware upgrade tool";
        product["FileVersion"] = "2.1.0.7";
        product["InternalName"] = "upgrade";
        product["LegalCopyright"] = QString(QChar(0xA9)) + " 2024 Vemo";
        product["OriginalFilename"] = ""; // present but empty
        product["ProductName"] = "Firmware Upgrade Utility";
        for (const char *name : {"product.exe", "product32.exe"}) {
            const auto strings = readFile(fixture(name));
            QCOMPARE(int(strings.status), int(platform::FileVersionStrings::Status::Read));
            // Built from the translation entry, so lower case although the file says 040904B0.
            QCOMPARE(QString::fromStdU16String(strings.block), QStringLiteral("040904b0"));
            QCOMPARE(valuesOf(strings), product);
        }

        const auto noVersion = readFile(fixture("noversion.exe"));
        QCOMPARE(int(noVersion.status), int(platform::FileVersionStrings::Status::NoVersionResource));
        QVERIFY(noVersion.values.empty());

        const auto noTranslation = readFile(fixture("notranslation.exe"));
        QCOMPARE(int(noTranslation.status), int(platform::FileVersionStrings::Status::Read));
        QVERIFY(noTranslation.block.empty());
        QCOMPARE(valuesOf(noTranslation), allMissing());

        // The first translation entry names the block, not the first block in the file.
        const auto twoLanguages = readFile(fixture("twolanguages.exe"));
        QCOMPARE(QString::fromStdU16String(twoLanguages.block), QStringLiteral("040704e4"));
        QMap<QString, QString> german = allMissing();
        german["CompanyName"] = "Vemo Technik";
        german["FileDescription"] = "Aktualisiert die Firmware";
        german["ProductName"] = "Firmware-Aktualisierung";
        QCOMPARE(valuesOf(twoLanguages), german);

        const auto twoResources = readFile(fixture("tworesources.exe"));
        QCOMPARE(QString::fromStdU16String(twoResources.block), QStringLiteral("040904b0"));
        QCOMPARE(QString::fromStdU16String(*twoResources.values[6]), QStringLiteral("English edition"));
    }

    void filesThatAreNoImageHaveNoVersionResource()
    {
        QTemporaryDir dir;
        QFile text(dir.filePath("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("MZ but nothing else of an executable");
        text.close();
        for (const QString &path : {dir.filePath("missing.exe"), dir.path(), text.fileName(), QString()}) {
            const auto strings = readFile(path);
            QCOMPARE(int(strings.status), int(platform::FileVersionStrings::Status::NoVersionResource));
        }
    }

    void pathsAreLookedUpAsVerQueryValueDoes()
    {
        const QByteArray bytes = resource({stringNode("ProductName", "Tool"), stringNode("Comments", "")},
                                          kEnglishUnicode, "040904B0");
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904b0\\ProductName"), std::optional<QString>("Tool"));
        QCOMPARE(query(bytes, "\\stringfileinfo\\040904B0\\PRODUCTNAME"), std::optional<QString>("Tool"));
        QCOMPARE(query(bytes, "\\\\StringFileInfo\\\\040904b0\\ProductName\\"), std::optional<QString>("Tool"));
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904b0\\Comments"), std::optional<QString>(""));
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904b0\\Product"), std::nullopt);
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904b0\\ProductNameX"), std::nullopt);
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904e4\\ProductName"), std::nullopt);
        QVERIFY(query(bytes, "\\").has_value()); // the root itself
        QCOMPARE(pe::firstTranslationBlock(toVector(bytes)), std::optional<std::u16string>(u"040904b0"));
    }

    void valuesStopAtTheirTerminatorOrTheirNode()
    {
        // Declared without its terminator and followed by a sibling: the
        // value ends with its node, never runs into the next one.
        QByteArray unterminated = node("InternalName", QByteArray("a\0b\0", 4), 2, 1);
        QByteArray bytes = resource({unterminated, stringNode("ProductName", "Tool")}, kEnglishUnicode, "040904b0");
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904b0\\InternalName"), std::optional<QString>("ab"));
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904b0\\ProductName"), std::optional<QString>("Tool"));

        // No value at all (length 0): found, and empty.
        bytes = resource({node("FileVersion", {}, 0, 1), stringNode("ProductName", "Tool")}, kEnglishUnicode,
                         "040904b0");
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904b0\\FileVersion"), std::optional<QString>(""));

        // Text past the terminator inside the declared length is not part of the value.
        bytes = resource({node("FileVersion", utf16z("1.0") + utf16z("junk"), 9, 1)}, kEnglishUnicode, "040904b0");
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904b0\\FileVersion"), std::optional<QString>("1.0"));
    }

    void brokenTreesEndTheSearchCleanly()
    {
        // A child of length 0 ends the search of its parent, as in Windows.
        QByteArray empty(8, '\0');
        QByteArray bytes = resource({empty, stringNode("ProductName", "Tool")}, kEnglishUnicode, "040904b0");
        QCOMPARE(query(bytes, "\\StringFileInfo\\040904b0\\ProductName"), std::nullopt);

        // A translation table too short for one entry names no block.
        bytes = resource({stringNode("ProductName", "Tool")}, QByteArray("\x09\x04", 2), "040904b0");
        QCOMPARE(pe::firstTranslationBlock(toVector(bytes)), std::nullopt);

        // Every truncation of a good resource, and lengths that point past its end.
        const QByteArray good = resource({stringNode("ProductName", "Firmware Upgrade Utility")}, kEnglishUnicode,
                                         "040904b0");
        for (int size = 0; size < good.size(); ++size) {
            const std::vector<std::uint8_t> data = toVector(good.left(size));
            const auto value = pe::queryValue(data, u"\\StringFileInfo\\040904b0\\ProductName");
            if (value)
                QVERIFY(pe::stringValue(data, *value).size() <= 24);
            pe::firstTranslationBlock(data);
        }
        QByteArray overlong = good;
        putU16(overlong, 0, 0xFFFF);
        QCOMPARE(query(overlong, "\\StringFileInfo\\040904b0\\ProductName"),
                 std::optional<QString>("Firmware Upgrade Utility"));
        QCOMPARE(query(overlong, "\\StringFileInfo\\040904b0\\Missing"), std::nullopt);
    }

    void damagedExecutablesNeverReadOutsideTheFile()
    {
        const QByteArray image = readAll(fixture("product.exe"));
        QVERIFY(!image.isEmpty());
        QCOMPARE(valuesOf(readBytes(image)).value("ProductName"), QStringLiteral("Firmware Upgrade Utility"));

        // Cut short: the headers go first (no resource), then the resource's
        // data (it cannot be read); a whole resource reads in full.
        int unreadable = 0;
        for (int size = 0; size < image.size(); ++size) {
            const auto strings = readBytes(image.left(size));
            if (strings.status == platform::FileVersionStrings::Status::ReadFailed)
                ++unreadable;
            if (strings.status == platform::FileVersionStrings::Status::Read)
                QCOMPARE(valuesOf(strings).value("ProductName"), QStringLiteral("Firmware Upgrade Utility"));
        }
        QVERIFY(unreadable > 0);

        // Every byte in turn overwritten: whatever the result, it is one of the three.
        for (int at = 0; at < image.size(); ++at) {
            QByteArray damaged = image;
            damaged[at] = char(~damaged[at]);
            const auto strings = readBytes(damaged);
            QVERIFY(strings.status != platform::FileVersionStrings::Status::Read
                    || strings.values.size() == kKeys.size());
        }
    }

    // The virtual upgrade tool as built here: its strings in the ELF section,
    // read through the same call the program makes; damaged copies give a
    // clean result (the section table lies at the end of the file).
    void theBuiltUpgradeToolCarriesItsStringsInAnElfSection()
    {
        const auto strings = readFile(QStringLiteral(UPGRADE_TOOL));
        QCOMPARE(QString::fromStdU16String(strings.block), QStringLiteral("040904b0"));
        QCOMPARE(valuesOf(strings).value("ProductName"), QStringLiteral("Firmware Upgrade Utility"));
        QCOMPARE(valuesOf(strings).value("FileVersion"), QStringLiteral("1.0.0.0"));

        const QByteArray image = readAll(QStringLiteral(UPGRADE_TOOL));
        const auto readElf = [](const QByteArray &bytes) {
            const pe::MemoryBytes source(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size()));
            return elf::readVersionStrings(source, kKeys);
        };
        for (int size = 0; size < image.size(); size += 61) {
            const auto cut = readElf(image.left(size));
            QVERIFY(cut.status != platform::FileVersionStrings::Status::Read
                    || valuesOf(cut).value("ProductName") == QStringLiteral("Firmware Upgrade Utility"));
        }
        for (int at = std::max(0, image.size() - 4096); at < image.size(); ++at) {
            QByteArray damaged = image;
            damaged[at] = char(~damaged[at]);
            const auto strings = readElf(damaged);
            QVERIFY(strings.status != platform::FileVersionStrings::Status::Read
                    || strings.values.size() == kKeys.size());
        }
    }
};

QTEST_GUILESS_MAIN(PeVersionReaderTest)
#include "tst_peversionreader.moc"

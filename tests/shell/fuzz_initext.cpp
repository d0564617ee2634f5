// Any file QSettings can read as config.ini, with one setting changed in its
// text, must read back with that setting's new text and every other text as
// before: what the interface sees through loadIni may never change because a
// setting elsewhere was written.

#include "IniText.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

QString scratchPath()
{
    static int serial = 0;
    // A new name every time: QSettings keeps files it has read.
    return QDir::tempPath() + QStringLiteral("/fuzz-initext-%1.ini").arg(++serial);
}

QVariantMap read(const QByteArray &bytes)
{
    const QString path = scratchPath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
    const QVariantMap all = readIniFile(path);
    QFile::remove(path);
    return all;
}

// The texts loadIni hands out.
QMap<QString, QString> texts(const QVariantMap &settings)
{
    QMap<QString, QString> result;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        result.insert(it.key(), iniValueText(it.value()));
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    const QByteArray document(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QMap<QString, QString> original = texts(read(document));
    // A key the file has (its line is rewritten) and one it may lack.
    QStringList keys{QStringLiteral("System/language")};
    if (!original.isEmpty())
        keys << original.firstKey();
    for (const QString &key : keys) {
        const QString value = QStringLiteral("a;b,\"c\\ \u00e9");
        QMap<QString, QString> expected = original;
        expected.insert(key, value);
        if (texts(read(iniWithValue(document, key, value))) != expected)
            std::abort();
    }
    return 0;
}

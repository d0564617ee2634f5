// Any file QSettings can read as config.ini, written again as our INI text,
// must read back to the same texts: what the interface would see through
// loadIni may never change because a setting elsewhere was written.

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
    const QVariantMap original = read(QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size)));
    const QVariantMap again = read(iniDocument(original));
    if (texts(again) != texts(original))
        std::abort();
    return 0;
}

// vemocrypt: encrypts and decrypts container files from the command line.
//
//   vemocrypt encrypt SRC DST   container of SRC written to DST
//   vemocrypt decrypt SRC DST   plain text of the container SRC written to DST
//   vemocrypt check FILE        prints the version probe (1 to 4)
//
// Exit status 0 on success; otherwise 1 with one line on standard error.

#include "EncryptApi.h"
#include "Lib/LibraryText.h"
#include "Lib/NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

const char kUsage[] = "usage: vemocrypt encrypt SRC DST | decrypt SRC DST | check FILE";

int fail(const QString &message)
{
    std::fprintf(stderr, "vemocrypt: %s\n", qPrintable(message));
    return 1;
}

// The library takes absolute native paths.
std::vector<EncryptChar> libraryPath(const QString &path)
{
    return libraryText(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

bool fitsLibrary(const QString &path)
{
    return QFileInfo(path).absoluteFilePath().size() < ENCRYPT_PATH_CHARS;
}

// EncryptByFilePath reports nothing, so the container is written under a
// name of our own and only a complete one is put in DST's place.
int encrypt(const QString &source, const QString &destination)
{
    if (!QFileInfo(source).isFile() || !QFileInfo(source).isReadable())
        return fail(QStringLiteral("cannot read %1").arg(source));
    const QString partial = destination + QStringLiteral(".part");
    if (!fitsLibrary(source) || !fitsLibrary(partial))
        return fail(QStringLiteral("path too long for the container library"));
    QFile::remove(partial);
    EncryptByFilePath(libraryPath(source).data(), libraryPath(partial).data());
    if (CheckAcpFileVer(libraryPath(partial).data()) != 4) {
        QFile::remove(partial);
        return fail(QStringLiteral("cannot write %1").arg(destination));
    }
    std::error_code error;
    std::filesystem::rename(nativePath(partial), nativePath(destination), error);
    if (error) {
        QFile::remove(partial);
        return fail(QStringLiteral("cannot write %1").arg(destination));
    }
    return 0;
}

// A named pipe or a device would keep the tool waiting for ever; a missing
// file is reported by the library as before.
bool isRegular(const QString &path)
{
    return !QFileInfo::exists(path) || QFileInfo(path).isFile();
}

int decrypt(const QString &source, const QString &destination)
{
    if (!isRegular(source))
        return fail(QStringLiteral("%1 is not a regular file").arg(source));
    if (!fitsLibrary(source) || !fitsLibrary(destination))
        return fail(QStringLiteral("path too long for the container library"));
    switch (DecryptByFilePath(libraryPath(source).data(), libraryPath(destination).data())) {
    case 0: return 0;
    case 2: return fail(QStringLiteral("%1 is not a valid container").arg(source));
    default: return fail(QStringLiteral("cannot read %1 or write %2").arg(source, destination));
    }
}

// The library's debug line would repeat what the tool reports itself.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "vemocrypt: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(quietHandler);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.value(0);
    if (command == QLatin1String("encrypt") && args.size() == 3)
        return encrypt(args.at(1), args.at(2));
    if (command == QLatin1String("decrypt") && args.size() == 3)
        return decrypt(args.at(1), args.at(2));
    if (command == QLatin1String("check") && args.size() == 2) {
        if (!isRegular(args.at(1)))
            return fail(QStringLiteral("%1 is not a regular file").arg(args.at(1)));
        std::printf("%d\n", CheckAcpFileVer(libraryPath(args.at(1)).data()));
        return 0;
    }
    return fail(QString::fromLatin1(kUsage));
}

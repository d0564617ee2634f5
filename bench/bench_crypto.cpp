// Encrypts and decrypts a 64 MiB file through the container library and
// through `openssl enc -aes-128-ecb` in the same run; prints the medians.

#include "Lib/LibraryText.h"
#include "TestFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

using fixture::readAll;

namespace {

constexpr int kRuns = 5;
constexpr qint64 kFileSize = 64ll * 1024 * 1024;

double medianMs(const std::function<bool()> &step)
{
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!step())
            return -1;
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool openssl(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral("openssl"), args);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.bin");
    {
        QByteArray block(1 << 20, '\0');
        QFile file(plain);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        for (qint64 written = 0; written < kFileSize; written += block.size()) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(block.data()), block.size() / 4);
            file.write(block);
        }
    }
    const auto source = libraryText(plain);
    const auto sealed = libraryText(dir.filePath("sealed.vemo"));
    const auto opened = libraryText(dir.filePath("opened.bin"));
    const double encryptMs = medianMs([&] {
        EncryptByFilePath(source.data(), sealed.data());
        return true;
    });
    const double decryptMs = medianMs([&] { return DecryptByFilePath(sealed.data(), opened.data()) == 0; });
    if (readAll(dir.filePath("opened.bin")) != readAll(plain)) {
        std::fprintf(stderr, "round trip failed\n");
        return 1;
    }

    const QStringList common = {"-aes-128-ecb", "-nopad", "-K", "000102030405060708090a0b0c0d0e0f"};
    const double refEncryptMs = medianMs(
        [&] { return openssl(QStringList{"enc", "-e"} + common + QStringList{"-in", plain, "-out", dir.filePath("ref.enc")}); });
    const double refDecryptMs = medianMs([&] {
        return openssl(QStringList{"enc", "-d"} + common +
                       QStringList{"-in", dir.filePath("ref.enc"), "-out", dir.filePath("ref.dec")});
    });

    std::printf("64 MiB file, median of %d runs\n", kRuns);
    std::printf("  container encrypt        %8.1f ms   openssl enc -aes-128-ecb -e  %8.1f ms   ratio %.2f\n", encryptMs,
                refEncryptMs, encryptMs / refEncryptMs);
    std::printf("  container decrypt        %8.1f ms   openssl enc -aes-128-ecb -d  %8.1f ms   ratio %.2f\n", decryptMs,
                refDecryptMs, decryptMs / refDecryptMs);
    std::printf("  target: within 3 times of openssl enc\n");
    return encryptMs < 0 || decryptMs < 0 || refEncryptMs < 0 || refDecryptMs < 0 ? 1 : 0;
}

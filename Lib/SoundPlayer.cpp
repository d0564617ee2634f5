#include "SoundPlayer.h"

#include "SoundModule/soundmodule.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLibrary>

namespace SoundPlayer {
namespace {

soundmodule::PlayFunction loadedPlayer = nullptr;

soundmodule::PlayFunction loadPlayer(const QStringList &folders)
{
    QString error;
    for (const QString &folder : folders) {
        QLibrary module(folder + QStringLiteral("/" PORTVIEW_SOUND_MODULE));
        if (!module.load()) {
            error = module.errorString();
            continue;
        }
        if (auto play = reinterpret_cast<soundmodule::PlayFunction>(module.resolve(soundmodule::kPlayFunctionName)))
            return play;
        error = module.errorString();
    }
    qDebug() << "The sound player module cannot be loaded:" << error;
    return nullptr;
}

} // namespace

QStringList moduleFolders(const QString &executableDir)
{
    QStringList folders{executableDir};
    const QString installed = QStringLiteral(PORTVIEW_BIN_TO_LIBDIR);
    if (!installed.isEmpty())
        folders << QDir::cleanPath(executableDir + QLatin1Char('/') + installed);
    return folders;
}

bool play(const QString &path, const QStringList &folders)
{
    if (!loadedPlayer)
        loadedPlayer = loadPlayer(folders);
    if (!loadedPlayer)
        return false;
    loadedPlayer(reinterpret_cast<const char16_t *>(path.utf16()), path.size());
    return true;
}

bool play(const QString &path)
{
    return play(path, moduleFolders(QCoreApplication::applicationDirPath()));
}

} // namespace SoundPlayer

#pragma once

#include <QString>
#include <QStringList>

// Plays a sound file once, without waiting for it. The player (Qt
// Multimedia, with the audio libraries beneath it) lives in a module of its
// own that is loaded the first time a sound is played: most runs play none,
// and loading it at start cost every run about 2 MiB and fifteen libraries.
namespace SoundPlayer {

// Where the module is looked for, for an executable in `executableDir`:
// beside it (the build tree, Windows), then in the private library folder of
// an installed tree.
QStringList moduleFolders(const QString &executableDir);

// Loads the module from the first of `folders` that holds it, once, and
// plays `path`. False, with a log line, when the module cannot be loaded; a
// path that names no playable file plays nothing and is no error.
bool play(const QString &path, const QStringList &folders);

// play() with the running program's folders.
bool play(const QString &path);

} // namespace SoundPlayer

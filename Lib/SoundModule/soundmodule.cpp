// The sound player module: Qt Multimedia's one-shot playback behind one
// plain entry point. The program loads it the first time it plays a sound
// (SoundPlayer.h), so Qt Multimedia and the audio libraries beneath it are
// not loaded at all in a run that plays none.

#include "soundmodule.h"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

#if defined(_WIN32)
#define SOUNDMODULE_EXPORT __declspec(dllexport)
#else
#define SOUNDMODULE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" SOUNDMODULE_EXPORT void portviewPlaySound(const char16_t *path, int length)
{
    static_assert(sizeof(char16_t) == sizeof(ushort), "QString holds UTF-16 units");
    // Not a child of the application, unlike QSound::play's player: Qt waits
    // at the application's end for a sound it is still reading, and a quit
    // right after a device went away would then never end.
    auto *effect = new QSoundEffect;
    // Gone once it has played, or once it cannot.
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error)
            effect->deleteLater();
    });
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying())
            effect->deleteLater();
    });
    effect->setSource(QUrl::fromLocalFile(QString::fromUtf16(path, length)));
    effect->play();
}

// The entry point has the type the program calls it by.
[[maybe_unused]] constexpr soundmodule::PlayFunction kEntryPoint = &portviewPlaySound;

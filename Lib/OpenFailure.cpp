#include "OpenFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace OpenFailure {

QString code(HidOpenFailure failure)
{
    switch (failure) {
    case HidOpenFailure::None: return QString();
    case HidOpenFailure::Permission: return QStringLiteral("permission");
    case HidOpenFailure::Busy: return QStringLiteral("busy");
    case HidOpenFailure::Other: break;
    }
    return QStringLiteral("other");
}

QString installCommand()
{
#ifdef Q_OS_LINUX
    static const QString command = [] {
        const QString rule = QStringLiteral("70-vemo-portview.rules");
        const QString reload = QStringLiteral("sudo udevadm control --reload-rules && "
                                              "sudo udevadm trigger --subsystem-match=hidraw");
        const QDir here(QCoreApplication::applicationDirPath());
        // A package's rule lies where udev reads it: it only needs applying.
        for (const QString &system : {QStringLiteral("/usr/lib/udev/rules.d/"), QStringLiteral("/lib/udev/rules.d/"),
                                      QStringLiteral("/etc/udev/rules.d/")}) {
            if (QFileInfo::exists(system + rule))
                return reload;
        }
        // A build tree keeps it in packaging/, an install under PREFIX/lib/udev.
        QString source = QStringLiteral("build/packaging/") + rule;
        for (const QString &candidate : {here.filePath(QStringLiteral("packaging/") + rule),
                                         here.filePath(QStringLiteral("../lib/udev/rules.d/") + rule)}) {
            if (QFileInfo::exists(candidate)) {
                source = QFileInfo(candidate).canonicalFilePath();
                break;
            }
        }
        return QStringLiteral("sudo cp '%1' /etc/udev/rules.d/ && ").arg(source) + reload;
    }();
    return command;
#else
    return QString();
#endif
}

void describe(HidOpenFailure failure, QVariantMap *record)
{
    record->insert(QStringLiteral("openError"), code(failure));
    record->insert(QStringLiteral("openCommand"),
                   failure == HidOpenFailure::Permission ? installCommand() : QString());
}

} // namespace OpenFailure

#include "PendingFile.h"

#include "NativePath.h"
#include "Platform/filemove.h"

PendingFile::PendingFile(const QString &destination)
    : m_destination(destination), m_file(destination + QStringLiteral(".XXXXXX"))
{
}

bool PendingFile::open()
{
    if (!m_file.open())
        return false;
    // A temporary file is private to its owner; a download is an ordinary file.
    m_file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                          | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

void PendingFile::write(const char *data, qint64 length)
{
    if (m_file.write(data, length) != length)
        m_failed = true;
}

PendingFile::Commit PendingFile::commit(bool replace)
{
    if (m_cancelled || m_failed || !m_file.isOpen() || !m_file.flush())
        return Commit::Failed;
    const QString temporary = m_file.fileName();
    m_file.close();
    switch (platform::moveFile(nativePath(temporary), nativePath(m_destination), replace)) {
    case platform::MoveResult::Moved:
        m_file.setAutoRemove(false); // its name is the destination's now
        return Commit::Done;
    case platform::MoveResult::DestinationExists:
        return Commit::DestinationExists;
    case platform::MoveResult::Failed:
        break;
    }
    return Commit::Failed;
}

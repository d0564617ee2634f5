#pragma once

#include <QString>
#include <QTemporaryFile>

// The body of a download on its way to the destination: written to a
// temporary file beside it and given the destination's name in one step at
// commit, so the destination never holds part of a file. Without `replace`
// the commit leaves alone a file that took the destination's name while the
// body was arriving. An uncommitted file is removed with the object.
class PendingFile
{
public:
    enum class Commit { Done, DestinationExists, Failed };

    explicit PendingFile(const QString &destination);
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;

    bool open();
    QString errorString() const { return m_file.errorString(); }
    void write(const char *data, qint64 length);
    // The name the commit gives the file.
    void setFileName(const QString &destination) { m_destination = destination; }
    // No commit succeeds after this.
    void cancelWriting() { m_cancelled = true; }
    Commit commit(bool replace);

private:
    QString m_destination;
    QTemporaryFile m_file;
    bool m_failed = false;
    bool m_cancelled = false;
};

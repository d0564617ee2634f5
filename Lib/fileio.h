#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariantMap>

// Plain text files, temporary-file URLs, the copied upgrade tool and the INI
// configuration config.ini, for the interface.
class fileIo : public QObject
{
    Q_OBJECT
    // FINAL: nothing derives from this class, and the QML engine can then
    // resolve the bindings to these properties once.
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged FINAL)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged FINAL)

public:
    explicit fileIo(QObject *parent = nullptr);

    QUrl source() const { return m_source; }
    QString text() const { return m_text; }

    Q_INVOKABLE void read();
    Q_INVOKABLE void write();
    Q_INVOKABLE QString gettempfilepath(QString filename);
    Q_INVOKABLE bool copyFile(QString srcPath);
    Q_INVOKABLE QVariantMap loadIni(QString groupName, QString titleName);
    // False, with a log line, when config.ini could not be written (a full
    // or read-only home): the interface then says the change is not kept.
    Q_INVOKABLE bool setIni(QString groupName, QString titleName, QString value);

    // config.ini in the application-data folder, which is created if missing.
    static QString configPath();
    // Removes the temporary siblings config.ini.XXXXXX that a write cut off
    // by a crash leaves behind. Only for the one running copy, at its start.
    static void removeStaleTemporaries();

signals:
    void sourceChanged(QUrl arg);
    void textChanged(QString arg);

public slots:
    void setSource(QUrl source);
    void setText(QString text);

private:
    QUrl m_source;
    QString m_text;
};

#pragma once

#include <QObject>
#include <QString>

class QQmlEngine;

// The translation file of a language index: the interface's languages are
// numbered, and every number it does not know falls back to English.
QString languageFileName(int index);

// Switches the language of the whole interface at run time: loads the
// compiled translation from the lang folder of the shipped data (DataFiles.h), installs
// it in the application and has the QML engine re-evaluate its texts. One
// translator serves the whole process, however many switches exist.
class LangSwitch : public QObject
{
    Q_OBJECT

public:
    explicit LangSwitch(QQmlEngine *engine);

public slots:
    void changeLang(int index);

private:
    QQmlEngine *m_engine; // borrowed
};

#include "langswitch.h"

#include "DataFiles.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QTranslator>

#include <iterator>

namespace {

// The translator in force; a failed load leaves none, so texts fall back to
// the interface's own English.
QTranslator *currentTranslator = nullptr;

} // namespace

QString languageFileName(int index)
{
    static const char *const files[] = {"en.qm", "cn_t.qm", "cn.qm", "jp.qm", "de.qm",
                                        "py.qm", "ko.qm",   "fr.qm", "es.qm", "po.qm"};
    if (index < 0 || index >= int(std::size(files)))
        index = 0;
    return QString::fromLatin1(files[index]);
}

LangSwitch::LangSwitch(QQmlEngine *engine)
    : m_engine(engine)
{
}

void LangSwitch::changeLang(int index)
{
    if (currentTranslator) {
        QCoreApplication::removeTranslator(currentTranslator);
        delete currentTranslator;
        currentTranslator = nullptr;
    }
    currentTranslator = new QTranslator;

    const QString path = dataFilePath(QStringLiteral("lang/") + languageFileName(index));
    if (!currentTranslator->load(path))
        return;
    QCoreApplication::installTranslator(currentTranslator);
    if (m_engine)
        m_engine->retranslate();
}

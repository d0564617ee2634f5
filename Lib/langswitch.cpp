#include "langswitch.h"

#include "DataFiles.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QQmlEngine>
#include <QTranslator>

#include <iterator>

namespace {

// The interface's languages by index: the translation file and the locale
// of Qt's own texts (the widget file dialog's labels and buttons; Qt's
// Portuguese is Brazil's only).
struct Language
{
    const char *file;
    const char *qtLocale;
};
const Language kLanguages[] = {{"en.qm", "en"}, {"cn_t.qm", "zh_TW"}, {"cn.qm", "zh_CN"}, {"jp.qm", "ja"},
                               {"de.qm", "de"}, {"py.qm", "ru"},      {"ko.qm", "ko"},    {"fr.qm", "fr"},
                               {"es.qm", "es"}, {"po.qm", "pt_BR"}};

const Language &languageOf(int index)
{
    return kLanguages[index >= 0 && index < int(std::size(kLanguages)) ? index : 0];
}

// The translators in force; a failed load leaves none, so texts fall back to
// the interface's own English, and Qt's to its English.
QTranslator *currentTranslator = nullptr;
QTranslator *qtTranslator = nullptr;

void drop(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// Qt's texts come from the system's Qt translations (qtbase_de and so on), which
// not every system has: without them Qt's dialogs stay English.
void installQtTranslation(const Language &language)
{
    drop(qtTranslator);
    qtTranslator = new QTranslator;
    if (qtTranslator->load(QStringLiteral("qtbase_") + QLatin1String(language.qtLocale),
                           QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
}

} // namespace

QString languageFileName(int index)
{
    return QString::fromLatin1(languageOf(index).file);
}

LangSwitch::LangSwitch(QQmlEngine *engine)
    : m_engine(engine)
{
}

void LangSwitch::changeLang(int index)
{
    installQtTranslation(languageOf(index));
    drop(currentTranslator);
    currentTranslator = new QTranslator;

    const QString path = dataFilePath(QStringLiteral("lang/") + languageFileName(index));
    if (!currentTranslator->load(path))
        return;
    QCoreApplication::installTranslator(currentTranslator);
    if (m_engine)
        m_engine->retranslate();
}

// Language switching with translations of known texts compiled into lang/
// beside this test: unknown indexes mean English, a missing file leaves the
// source language, and only one translation is ever in force. Texts shown
// changing at once with the real translations: e2e_prefs.

#include "langswitch.h"

#include <QCoreApplication>
#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTranslator>
#include <QtTest>

#include <memory>

class LangSwitchTest : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;
    LangSwitch m_lang{&m_engine};

    // An item whose texts go through the translation function, as the
    // interface's pages do.
    std::unique_ptr<QObject> probe()
    {
        QQmlComponent component(&m_engine,
                                QUrl::fromLocalFile(QStringLiteral(PORTVIEW_SOURCE_DIR "/tests/language/LangProbe.qml")));
        std::unique_ptr<QObject> item(component.create());
        if (!item)
            qWarning() << component.errors();
        return item;
    }

    static QString greeting(const std::unique_ptr<QObject> &item) { return item->property("greeting").toString(); }
    static QString translated(const char *text) { return QCoreApplication::translate("LangProbe", text); }

private slots:
    void initTestCase()
    {
        QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/lang/cn_t.qm")));
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/lang/jp.qm")));
    }

    void unknownIndexesMeanEnglish()
    {
        auto item = probe();
        QVERIFY(item);
        for (int index : {10, -1}) {
            m_lang.changeLang(1);
            QCOMPARE(greeting(item), QStringLiteral("你好"));
            m_lang.changeLang(index);
            QCOMPARE(greeting(item), QStringLiteral("Hello from en.qm"));
        }
    }

    void aMissingFileKeepsShownTextsAndShowsLaterOnesInEnglish()
    {
        auto shown = probe();
        m_lang.changeLang(1);
        QCOMPARE(greeting(shown), QStringLiteral("你好"));

        m_lang.changeLang(3);
        QCOMPARE(greeting(shown), QStringLiteral("你好"));
        auto later = probe();
        QCOMPARE(greeting(later), QStringLiteral("Hello"));

        m_lang.changeLang(1); // a language that exists works again afterwards
        QCOMPARE(greeting(later), QStringLiteral("你好"));
    }

    void onlyOneTranslationIsInForce()
    {
        // "Goodbye" is translated by en.qm alone: once Chinese is chosen it
        // must fall back to the source text, so en.qm is no longer installed.
        m_lang.changeLang(0);
        QCOMPARE(translated("Goodbye"), QStringLiteral("Goodbye from en.qm"));
        m_lang.changeLang(1);
        QCOMPARE(translated("Goodbye"), QStringLiteral("Goodbye"));
        // Two switches through the same language, and a second switch object,
        // still leave one translation: the process has one translator.
        LangSwitch other(&m_engine);
        other.changeLang(0);
        m_lang.changeLang(1);
        QCOMPARE(translated("Goodbye"), QStringLiteral("Goodbye"));
    }

    void theShippedTranslationsLoad()
    {
        for (int index = 0; index < 10; ++index) {
            const QString file = QStringLiteral(PORTVIEW_BINARY_DIR "/lang/") + languageFileName(index);
            QTranslator translator;
            QVERIFY2(translator.load(file), qPrintable(file));
            QVERIFY2(!translator.language().isEmpty(), qPrintable(file));
        }
    }
};

QTEST_MAIN(LangSwitchTest)
#include "tst_langswitch.moc"

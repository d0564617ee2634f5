#pragma once

#include <QObject>
#include <QString>

// Tells the interface whose brand it shows: the theme, pages, links and
// texts are chosen by this word.
class comCopyright : public QObject
{
    Q_OBJECT

public:
    explicit comCopyright(QObject *parent = nullptr);

    Q_INVOKABLE QString getCompanyName() const;
};

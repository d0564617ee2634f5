#include "copyright.h"

comCopyright::comCopyright(QObject *parent) : QObject(parent) {}

QString comCopyright::getCompanyName() const
{
    return QStringLiteral("Vemo");
}

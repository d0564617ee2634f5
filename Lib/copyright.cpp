#include "copyright.h"

#include "Brand.h"

comCopyright::comCopyright(QObject *parent) : QObject(parent) {}

QString comCopyright::getCompanyName() const
{
    return QLatin1String(kCompanyWord);
}

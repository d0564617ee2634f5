#include "EncryptLog.h"

#include <QDebug>

namespace encryptapi {

// The library shares the program's Qt, so its line lands in the program's
// log file beside everyone else's.
void logDecryptFailure(std::int32_t result)
{
    qDebug() << "DecryptByFile failed" << result;
}

} // namespace encryptapi

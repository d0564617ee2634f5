#pragma once

#include <QString>

// The per-user folder that holds config.ini, log.txt, the working files and
// the copied upgrade tool: Qt's writable application-data location under the
// organisation and application names.
QString appDataPath();

// The same folder, created with its missing parents first. Returns the path
// also when it could not be created; writes into it then fail on their own.
QString ensureAppDataPath();

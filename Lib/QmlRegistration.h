#pragma once

#include "ProcessInfo.h"
#include "copyright.h"
#include "fileEncrypt.h"
#include "fileio.h"
#include "langswitch.h"
#include "regedit.h"

class QQmlContext;

// The services the interface borrows. They are created after the engine but
// must outlive it, so the interface never sees one of them destroyed.
struct InterfaceServices
{
    explicit InterfaceServices(QQmlEngine *engine) : lang(engine) {}

    regedit registry;
    fileEncrypt encrypt;
    fileIo io;
    comCopyright com;
    ProcessInfo process;
    LangSwitch lang;
};

// The QML types under the URIs the pages import. The program and the
// start-up probe call the same functions, so a name the pages use and the
// program does not publish fails a test instead of only logging a warning.
void registerQmlTypes();

// The interface's own module, com.vemo.portview: the Theme singleton and the
// Codes enums (part of registerQmlTypes; the page tests call it alone).
void registerInterfaceModule();

// Publishes the services and the start-up values under the names the pages
// read from the context; `deviceEvents` is the device-change filter.
void publishServices(QQmlContext *context, InterfaceServices &services, QObject *deviceEvents, const QString &showMode);

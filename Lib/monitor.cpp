#include "monitor.h"

Monitor::Monitor(QObject *parent)
    : QObject(parent)
{
}

Monitor *Monitor::instance()
{
    static Monitor worker;
    return &worker;
}

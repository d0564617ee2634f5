#pragma once

#include "HidSeam.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// A HID backend that records every call and answers from a script, for
// tests that must see exactly what reaches the library.
class RecordingHidBackend : public HidBackend
{
public:
    struct Log
    {
        QStringList calls;
        QList<QByteArray> sentReports;
        QList<QByteArray> replies; // handed out in order, then empty reports
        int failInit = 0;          // result of init
        bool failOpen = false;
    };

    explicit RecordingHidBackend(Log *log) : m_log(log) {}

    int init() override { m_log->calls << QStringLiteral("init"); return m_log->failInit; }
    int exit() override { m_log->calls << QStringLiteral("exit"); return 0; }
    hid_device_info *enumerate(unsigned short, unsigned short) override
    {
        m_log->calls << QStringLiteral("enumerate");
        return nullptr;
    }
    void freeEnumeration(hid_device_info *) override { m_log->calls << QStringLiteral("free"); }
    HidDevice *openPath(const char *path) override
    {
        m_log->calls << QStringLiteral("open ") + QString::fromLocal8Bit(path);
        return m_log->failOpen ? nullptr : new HidDevice;
    }
    void close(HidDevice *device) override
    {
        m_log->calls << QStringLiteral("close");
        delete device;
    }
    int sendFeatureReport(HidDevice *, const unsigned char *data, size_t length) override
    {
        m_log->calls << QStringLiteral("send");
        m_log->sentReports << QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(length));
        return static_cast<int>(length);
    }
    int getFeatureReport(HidDevice *, unsigned char *data, size_t length) override
    {
        m_log->calls << QStringLiteral("get");
        QByteArray reply = m_log->replies.isEmpty() ? QByteArray(1, char(0x81)) : m_log->replies.takeFirst();
        reply = reply.leftJustified(static_cast<int>(length), '\0', true);
        std::copy(reply.begin(), reply.end(), data);
        return static_cast<int>(length);
    }

private:
    Log *m_log;
};

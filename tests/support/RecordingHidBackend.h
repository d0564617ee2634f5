#pragma once

#include "HidSeam.h"

#include <QStringList>

// A HID backend that records every call that reaches the library, for tests
// that must see exactly that; init and open fail on request.
class RecordingHidBackend : public HidBackend
{
public:
    struct Log
    {
        QStringList calls;
        int failInit = 0; // result of init
        bool failOpen = false;
    };

    explicit RecordingHidBackend(Log *log) : m_log(log) {}

    int init() override { m_log->calls << QStringLiteral("init"); return m_log->failInit; }
    int exit() override { m_log->calls << QStringLiteral("exit"); return 0; }
    hid_device_info *enumerate(unsigned short, unsigned short) override { m_log->calls << QStringLiteral("enumerate"); return nullptr; }
    void freeEnumeration(hid_device_info *) override { m_log->calls << QStringLiteral("free"); }
    HidDevice *openPath(const char *path, HidOpenFailure *failure) override
    {
        m_log->calls << QStringLiteral("open ") + QString::fromLocal8Bit(path);
        if (m_log->failOpen && failure)
            *failure = HidOpenFailure::Busy;
        return m_log->failOpen ? nullptr : new HidDevice;
    }
    void close(HidDevice *device) override { m_log->calls << QStringLiteral("close"); delete device; }
    int sendFeatureReport(HidDevice *, const unsigned char *, size_t length) override { m_log->calls << QStringLiteral("send"); return int(length); }
    int getFeatureReport(HidDevice *, unsigned char *data, size_t length) override
    {
        m_log->calls << QStringLiteral("get");
        std::fill(data, data + length, 0);
        return int(length);
    }

private:
    Log *m_log;
};

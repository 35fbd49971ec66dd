#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Simulated devices from tools/simdevices.py, alive as long as this object.
// Each entry is ADDRESS[,option...] as the tool takes it.
class SimDevices {
public:
    explicit SimDevices(const QStringList& devices);
    ~SimDevices();
    SimDevices(const SimDevices&) = delete;
    SimDevices& operator=(const SimDevices&) = delete;

    bool ready() const { return m_ready; }
    // A path inside a device's FTP tree, such as "RFA/Addrbook.cpe".
    QString Path(const QString& address, const QString& relative) const;

private:
    QTemporaryDir m_root;
    QProcess m_process;
    bool m_ready = false;
};

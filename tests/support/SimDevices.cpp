#include "SimDevices.h"

SimDevices::SimDevices(const QStringList& devices) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(
        "/usr/bin/python3",
        QStringList{VARNEL_SOURCE_DIR "/tools/simdevices.py", "--root", m_root.path()} + devices);
    while (m_process.waitForReadyRead(10000)) {
        if (m_process.readAll().contains("ready")) {
            m_ready = true;
            break;
        }
    }
}

SimDevices::~SimDevices() {
    m_process.kill();
    m_process.waitForFinished(5000);
}

QString SimDevices::Path(const QString& address, const QString& relative) const {
    return m_root.filePath(address + "/" + relative);
}

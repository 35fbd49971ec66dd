#pragma once

#include "CDialog.h"
#include "CProgressDlg.h"
#include "Probe.h"

class CIPAddressCtrl;
class QLineEdit;

// Fetches the address book of one device into a local file.
class CDownloadDlg : public CDialog {
    Q_OBJECT
public:
    CDownloadDlg();

    bool OnInitDialog() override;
    void OnDownload();
    void OnResetFields();
    QLineEdit* UserIdEdit() const { return m_userIdEdit; }
    QLineEdit* PasswordEdit() const { return m_passwordEdit; }

    CIPAddressCtrl* m_ctlAddress;
    QString m_strUserId;
    QString m_strPassword;
    CProgressDlg m_dlgProgress;
    // The probe; tests put a fake in its place.
    Prober m_probe = PingHost;

private:
    void ExchangeIn();
    void ExchangeOut();

    QLineEdit* m_userIdEdit;
    QLineEdit* m_passwordEdit;
};

#include "CDownloadDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "AddressBookTransfer.h"
#include "CIPAddressCtrl.h"
#include "DottedAddress.h"
#include "Platform.h"
#include "ResourceIds.h"
#include "Texts.h"

CDownloadDlg::CDownloadDlg() {
    setWindowTitle("Download");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    SetClientSize(242, 106);
    Group("FTP", 5, 5, 230, 65);
    const LoginFields fields = MakeLoginFields(21, 105, 45);
    m_ctlAddress = fields.address;
    m_userIdEdit = fields.userId;
    m_passwordEdit = fields.password;
    QPushButton* reset = Button("Reset fields", 175, 21, 50, 15);
    reset->setObjectName(QString::number(ids::CmdResetFields));
    connect(reset, &QPushButton::clicked, this, &CDownloadDlg::OnResetFields);
    QPushButton* download = Button("Download", 120, 80, 50, 15);
    download->setObjectName(QString::number(ids::BtnDownload));
    connect(download, &QPushButton::clicked, this, &CDownloadDlg::OnDownload);
    QPushButton* cancel = Button("Cancel", 180, 80, 50, 15);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(m_passwordEdit, reset);
}

bool CDownloadDlg::OnInitDialog() {
    ExchangeIn();
    m_dlgProgress.Create(this);
    m_ctlAddress->setFocus();
    return true;
}

void CDownloadDlg::ExchangeIn() {
    m_userIdEdit->setText(m_strUserId);
    m_passwordEdit->setText(m_strPassword);
}

void CDownloadDlg::ExchangeOut() {
    m_strUserId = m_userIdEdit->text();
    m_strPassword = m_passwordEdit->text();
}

void CDownloadDlg::OnDownload() {
    ExchangeOut();
    const DeviceEntry device{DottedText(m_ctlAddress->Address()), m_strUserId.toLocal8Bit(),
                             m_strPassword.toLocal8Bit()};
    if (!m_probe(device.ipAddress, kProbeTimeoutMs)) {
        platform::MessageBox(texts::NotFound);
        return;
    }
    const QString path =
        platform::SaveFileName(this, texts::AddressBookName, texts::AddressBookFilter, "*.cpe");
    if (path.isEmpty()) {
        return;
    }
    SetBusy(true);
    if (!DownloadAddressBook(m_dlgProgress, device, path)) {
        platform::MessageBox(texts::FtpFailure);
    }
    m_dlgProgress.Hide();
    SetBusy(false);
}

void CDownloadDlg::OnResetFields() {
    m_ctlAddress->ClearAddress();
    m_strUserId.clear();
    m_strPassword.clear();
    ExchangeIn();
}

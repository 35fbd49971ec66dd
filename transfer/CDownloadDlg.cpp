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
    Label("IP Address", 16, 21, 44, 15);
    m_ctlAddress = Place(new CIPAddressCtrl(this), 65, 21, 105, 15);
    Label("User ID", 15, 45, 45, 15);
    m_userIdEdit = Place(new QLineEdit(this), 65, 45, 50, 15);
    Label("Password", 125, 45, 45, 15);
    m_passwordEdit = Place(new QLineEdit(this), 175, 45, 50, 15);
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    for (QLineEdit* edit : {m_userIdEdit, m_passwordEdit}) {
        edit->setAlignment(Qt::AlignCenter);
    }
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
    const QString path = platform::SaveFileName(this, texts::AddressBookName,
                                                texts::AddressBookFilter, "*.cpe");
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

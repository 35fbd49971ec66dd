// The runs of the upgrade window: Check connections, Upgrade list and Upgrade
// selection, one device after the other from the top row down.

#include <QApplication>
#include <QTreeWidget>

#include "AddressBookTransfer.h"
#include "CUpgradeDlg.h"
#include "FirmwareUpload.h"
#include "Platform.h"
#include "Texts.h"

namespace {

DeviceStatus StatusOf(TransferResult result) {
    switch (result) {
        case TransferDone:
            return StatusUpgraded;
        case TransferFtpFailed:
            return StatusFailed;
        case TransferNoAnswer:
            break;
    }
    return StatusUnreachable;
}

}  // namespace

TransferResult CUpgradeDlg::UploadAddressBook(QString sourcePath, const DeviceEntry& device) {
    return ::UploadAddressBook(sourcePath, device, m_dlgProgress, m_hooks);
}

TransferResult CUpgradeDlg::UploadFirmware(QString firmwareFolder, const DeviceEntry& device) {
    return ::UploadFirmware(firmwareFolder, device, m_dlgProgress, m_hooks);
}

TransferResult CUpgradeDlg::Transfer(const DeviceEntry& device) {
    return m_nMode == UpgradeMode::AddressBook ? UploadAddressBook(m_strSourcePath, device)
                                               : UploadFirmware(m_strSourcePath, device);
}

void CUpgradeDlg::RepaintNow() {
    m_ctlList->viewport()->repaint();
    repaint();
    // Paint and window-system events go on; input waits until the run is over.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CUpgradeDlg::StartRun() {
    if (m_bStatusShown) {
        ClearStatuses();
        RepaintNow();
    }
}

void CUpgradeDlg::EndRun() {
    m_bStatusShown = true;
    QApplication::restoreOverrideCursor();
    SetBusy(false);
}

void CUpgradeDlg::OnCheckConnections() {
    StartRun();
    const int rows = RowCount();
    if (rows == 0) {
        platform::MessageBox(texts::NoItemInList);
        return;
    }
    SetBusy(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int row = 0; row < rows; ++row) {
        const bool answered = m_hooks.probe(Row(row).ipAddress, kProbeTimeoutMs);
        SetRowStatus(row, answered ? StatusReachable : StatusUnreachable);
        RepaintNow();
    }
    EndRun();
}

void CUpgradeDlg::DeviceStep(int row, bool listRun) {
    const DeviceEntry device = Row(row);
    m_dlgProgress.m_strLine1 = texts::Connecting;
    m_dlgProgress.m_strLine2 = "Ugrade " + QString::fromLocal8Bit(device.ipAddress);
    m_dlgProgress.m_ctlStepBar.SetPos(0);
    if (listRun) {
        m_dlgProgress.m_ctlTotalBar.SetPos(row);
    }
    m_dlgProgress.Refresh();
    SetRowStatus(row, StatusOf(Transfer(device)));
    if (!listRun) {
        m_dlgProgress.m_ctlTotalBar.StepIt();
    }
    RepaintNow();
}

void CUpgradeDlg::OnUpgradeList() {
    StartRun();
    const int rows = RowCount();
    if (rows == 0) {
        platform::MessageBox(texts::NoItemInList);
        m_dlgProgress.Hide();
        return;
    }
    SetBusy(true);
    m_dlgProgress.Reset();
    m_dlgProgress.SetCaption("Upgrade List");
    m_dlgProgress.m_ctlTotalBar.SetRange(0, rows);
    m_dlgProgress.Refresh();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int row = 0; row < rows; ++row) {
        DeviceStep(row, true);
    }
    EndRun();
    m_dlgProgress.m_ctlTotalBar.SetPos(rows);
    m_dlgProgress.Refresh();
    platform::MessageBox(texts::TurnOffAndOn, platform::Icon::Information);
    m_dlgProgress.Hide();
}

void CUpgradeDlg::OnUpgradeSelection() {
    StartRun();
    const QList<int> selected = SelectedRows();
    if (selected.isEmpty()) {
        platform::MessageBox(texts::NoItemSelected);
        m_dlgProgress.Hide();
        return;
    }
    SetBusy(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_dlgProgress.Reset();
    m_dlgProgress.SetCaption("Upgrade Selection");
    m_dlgProgress.m_ctlTotalBar.SetRange(0, static_cast<int>(selected.size()));
    m_dlgProgress.m_ctlTotalBar.SetStep(1);
    m_dlgProgress.Refresh();
    for (int row : selected) {
        DeviceStep(row, false);
    }
    EndRun();
    m_dlgProgress.Refresh();
    platform::MessageBox(texts::TurnOffAndOn, platform::Icon::Information);
    m_dlgProgress.Hide();
}

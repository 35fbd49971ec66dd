#include "CUpgradeDlg.h"

#include <QLineEdit>
#include <QToolBar>
#include <QTreeWidget>

#include "CIPAddressCtrl.h"
#include "DottedAddress.h"
#include "FileError.h"
#include "IconSet.h"
#include "Platform.h"
#include "ResourceIds.h"
#include "Texts.h"

namespace {

constexpr int kMaxRows = 254;
enum Column { ColNumber, ColAddress, ColUserId, ColPassword, ColPasswordReal };
constexpr int kBytesRole = Qt::UserRole;
constexpr int kStatusRole = Qt::UserRole + 1;

QString MaskPassword(const QByteArray& password) { return QString(password.size(), '*'); }

// The bytes of a field: those it was filled from while its text is unchanged.
QByteArray FieldBytes(const QString& text, const QByteArray& filledFrom) {
    return text == QString::fromLocal8Bit(filledFrom) ? filledFrom : text.toLocal8Bit();
}

QByteArray CellBytes(const QTreeWidgetItem* item, int column) {
    return item->data(column, kBytesRole).toByteArray();
}

void SetCell(QTreeWidgetItem* item, int column, const QByteArray& bytes) {
    item->setText(column, QString::fromLocal8Bit(bytes));
    item->setData(column, kBytesRole, bytes);
}

}  // namespace

CUpgradeDlg::CUpgradeDlg() {
    setWindowTitle("Upgrade");
    m_wndToolBar =
        MakeBars({kFileMenu,
                  kRecordMenu,
                  {"Upgrade",
                   {{"Check connections", ids::CmdCheckConnections},
                    {nullptr, 0},
                    {"Upgrade selection", ids::CmdUpgradeSelection},
                    {"Upgrade list", ids::CmdUpgradeList}}},
                  kHelpMenu},
                 {ids::CmdNew, ids::CmdOpen, ids::CmdSave, 0, ids::CmdAdd, ids::CmdModify,
                  ids::CmdDelete, ids::CmdResetFields, 0, ids::CmdCheckConnections,
                  ids::CmdUpgradeSelection, ids::CmdUpgradeList, 0, ids::CmdHelp, ids::CmdAbout},
                 242, 266);
    Group("FTP", 5, 20, 230, 89);
    const LoginFields fields = MakeLoginFields(36, 110, 60);
    m_ctlAddress = fields.address;
    m_userIdEdit = fields.userId;
    m_passwordEdit = fields.password;
    MakeRecordButtons();

    m_ctlList = MakeList({"#", "IP Address", "UserID", "Password", "PswReal"}, 5, 120, 230, 140);
    m_ctlList->setColumnHidden(ColPasswordReal, true);
    m_imageList = {QIcon(icons::Path(ids::IconPennant)), QIcon(icons::Path(ids::IconUpgraded)),
                   QIcon(icons::Path(ids::IconFailed)), QIcon(icons::Path(ids::IconReachable)),
                   QIcon(icons::Path(ids::IconUnreachable))};
    m_ctlList->setIconSize(QSize(16, 16));
    connect(m_ctlList, &QTreeWidget::itemSelectionChanged, this, &CUpgradeDlg::ShowSelectedRow);
    connect(m_ctlList, &QTreeWidget::itemChanged, this, &CUpgradeDlg::ShowSelectedRow);
    connect(m_ctlList->model(), &QAbstractItemModel::rowsInserted, this, &CUpgradeDlg::FitColumns);

    m_commands.Bind(ids::CmdCheckConnections, [this] { OnCheckConnections(); });
    m_commands.Bind(ids::CmdUpgradeSelection, [this] { OnUpgradeSelection(); });
    m_commands.Bind(ids::CmdUpgradeList, [this] { OnUpgradeList(); });
}

bool CUpgradeDlg::OnInitDialog() {
    ExchangeFieldsIn();
    m_dlgProgress.Create(this);
    setWindowIcon(QIcon(icons::Path(ids::IconApplication)));
    setWindowTitle(m_nMode == UpgradeMode::AddressBook ? "Address Book Upgrade"
                                                       : "Firmware Upgrade");
    FitColumns();
    if (!m_strDeviceListPath.isEmpty()) {
        LoadList(m_strDeviceListPath);
    }
    m_ctlAddress->setFocus();
    return true;
}

void CUpgradeDlg::FitColumns() {
    const int width = m_ctlList->viewport()->width() & 0xFFFF;
    const int widths[] = {45, 100, 80, width - 225, 0};
    for (int column = 0; column < 5; ++column) {
        m_ctlList->setColumnWidth(column, widths[column]);
    }
}

int CUpgradeDlg::RowCount() const { return m_ctlList->topLevelItemCount(); }

DeviceEntry CUpgradeDlg::Row(int row) const {
    const QTreeWidgetItem* item = m_ctlList->topLevelItem(row);
    return {CellBytes(item, ColAddress), CellBytes(item, ColUserId),
            CellBytes(item, ColPasswordReal)};
}

DeviceStatus CUpgradeDlg::RowStatus(int row) const {
    return static_cast<DeviceStatus>(
        m_ctlList->topLevelItem(row)->data(ColNumber, kStatusRole).toInt());
}

void CUpgradeDlg::SetRowStatus(int row, DeviceStatus status) {
    QTreeWidgetItem* item = m_ctlList->topLevelItem(row);
    item->setData(ColNumber, kStatusRole, status);
    item->setIcon(ColNumber, m_imageList[status]);
}

QList<int> CUpgradeDlg::SelectedRows() const { return SelectedRowsOf(m_ctlList); }

void CUpgradeDlg::InsertRow(int position, const DeviceEntry& device) {
    auto* item = new QTreeWidgetItem;
    item->setText(ColNumber, QString::number(position + 1));
    item->setData(ColNumber, kStatusRole, StatusNone);
    item->setIcon(ColNumber, m_imageList[StatusNone]);
    SetCell(item, ColAddress, device.ipAddress);
    SetCell(item, ColUserId, device.userId);
    item->setText(ColPassword, MaskPassword(device.password));
    SetCell(item, ColPasswordReal, device.password);
    for (int column = 0; column < 5; ++column) {
        item->setTextAlignment(column, Qt::AlignCenter);
    }
    m_ctlList->insertTopLevelItem(position, item);
}

void CUpgradeDlg::ExchangeFieldsIn() {
    m_userIdEdit->setText(m_strUserId);
    m_passwordEdit->setText(m_strPassword);
}

void CUpgradeDlg::ExchangeFieldsOut() {
    m_strUserId = m_userIdEdit->text();
    m_strPassword = m_passwordEdit->text();
}

void CUpgradeDlg::PutFieldsInRow(int position, bool replace) {
    ExchangeFieldsOut();
    if (position >= kMaxRows) {
        platform::MessageBox(texts::MaximumReached);
        return;
    }
    if (m_ctlAddress->IsBlank()) {
        platform::MessageBox(texts::InvalidParams);
        return;
    }
    const DeviceEntry device{DottedText(m_ctlAddress->Address()),
                             FieldBytes(m_strUserId, m_userIdBytes),
                             FieldBytes(m_strPassword, m_passwordBytes)};
    if (replace) {
        delete m_ctlList->takeTopLevelItem(position);
    }
    InsertRow(position, device);
}

void CUpgradeDlg::Renumber() {
    for (int row = 0; row < RowCount(); ++row) {
        m_ctlList->topLevelItem(row)->setText(ColNumber, QString::number(row + 1));
    }
}

void CUpgradeDlg::OnAdd() {
    if (RowCount() >= kMaxRows) {
        platform::MessageBox(texts::MaximumReached);
    } else {
        const QList<int> selected = SelectedRows();
        if (selected.isEmpty()) {
            PutFieldsInRow(RowCount(), false);
        } else {
            PutFieldsInRow(selected.front(), false);
            Renumber();
        }
    }
    if (m_bStatusShown) {
        ClearStatuses();
    }
}

void CUpgradeDlg::OnModify() {
    const QList<int> selected = SelectedRows();
    if (!selected.isEmpty()) {
        PutFieldsInRow(selected.front(), true);
    }
    if (m_bStatusShown) {
        ClearStatuses();
    }
}

void CUpgradeDlg::OnDelete() {
    for (QList<int> selected = SelectedRows(); !selected.isEmpty(); selected = SelectedRows()) {
        delete m_ctlList->takeTopLevelItem(selected.front());
    }
    Renumber();
    if (m_bStatusShown) {
        ClearStatuses();
    }
}

void CUpgradeDlg::ShowSelectedRow() {
    const QList<int> selected = SelectedRows();
    if (selected.isEmpty()) {
        return;
    }
    const DeviceEntry device = Row(selected.front());
    m_userIdBytes = device.userId;
    m_passwordBytes = device.password;
    m_strUserId = QString::fromLocal8Bit(device.userId);
    m_strPassword = QString::fromLocal8Bit(device.password);
    m_ctlAddress->SetAddress(ParseDottedAddress(device.ipAddress));
    ExchangeFieldsIn();
}

void CUpgradeDlg::OnResetFields() {
    m_ctlAddress->ClearAddress();
    m_strUserId.clear();
    m_strPassword.clear();
    ExchangeFieldsIn();
    if (m_bStatusShown) {
        ClearStatuses();
    }
}

void CUpgradeDlg::ClearStatuses() {
    for (int row = 0; row < RowCount(); ++row) {
        SetRowStatus(row, StatusNone);
    }
    m_bStatusShown = false;
}

void CUpgradeDlg::OnNew() {
    m_ctlList->clear();
    FitColumns();
    OnResetFields();
}

void CUpgradeDlg::LoadList(const QString& path) {
    std::vector<DeviceEntry> rows;
    DeviceListLoad result = DeviceListLoad::Loaded;
    QString error;
    try {
        result = LoadDeviceList(path, rows);
    } catch (const FileError& e) {
        error = e.Report();
    }
    for (const DeviceEntry& row : rows) {
        InsertRow(RowCount(), row);
    }
    if (!error.isEmpty()) {
        platform::MessageBox(error, platform::Icon::Stop);
    } else if (result != DeviceListLoad::Loaded) {
        platform::MessageBox(DeviceListMessage(result));
    }
}

void CUpgradeDlg::OnOpen() {
    const QString path = platform::OpenFileName(this, QString(), texts::DeviceListFilter);
    if (path.isEmpty()) {
        return;
    }
    OnNew();
    LoadList(path);
}

void CUpgradeDlg::OnSave() {
    const QString path = platform::SaveFileName(this, QString(), texts::DeviceListFilter, "*.vgl");
    if (!path.isEmpty()) {
        std::vector<DeviceEntry> rows;
        for (int row = 0; row < RowCount(); ++row) {
            rows.push_back(Row(row));
        }
        try {
            SaveDeviceList(path, rows);
        } catch (const FileError& e) {
            platform::MessageBox(e.Report(), platform::Icon::Stop);
        }
    }
    if (m_bStatusShown) {
        ClearStatuses();
    }
}

#include "CAddressBookDlg.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QToolBar>
#include <QTreeWidget>

#include "AddressBookFile.h"
#include "CIPAddressCtrl.h"
#include "FileError.h"
#include "IconSet.h"
#include "KeyFilter.h"
#include "Platform.h"
#include "ResourceIds.h"
#include "Texts.h"

namespace {

constexpr int kTelephoneLimit = 35;
const QString kDigits = QStringLiteral("0123456789");

// An unsigned 32-bit decimal number, blanks around it allowed.
std::optional<uint32_t> ReadUnsigned(const QString& text) {
    static const QRegularExpression number("^\\s*(\\d+)\\s*$");
    const auto match = number.match(text);
    bool ok = false;
    const qulonglong value = match.hasMatch() ? match.captured(1).toULongLong(&ok) : 0;
    if (!ok || value > 4294967295ull) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

void FocusField(QLineEdit* edit) {
    edit->setFocus();
    edit->selectAll();
}

}  // namespace

CAddressBookDlg::CAddressBookDlg() : m_hIcon(icons::Path(ids::IconApplication)) {
    setWindowTitle("Address Book Management");

    m_wndToolBar =
        MakeBars({kFileMenu, kRecordMenu, kHelpMenu},
                 {ids::CmdNew, ids::CmdOpen, ids::CmdSave, 0, ids::CmdAdd, ids::CmdModify,
                  ids::CmdDelete, ids::CmdResetFields, 0, ids::CmdHelp, ids::CmdAbout},
                 297, 306);
    Group("Record", 5, 20, 285, 89);
    Label("IP Address", 16, 36, 44, 15);
    m_ctlRecordAddress = Place(new CIPAddressCtrl(this), 65, 36, 110, 15);
    Label("Telephone", 15, 60, 45, 15);
    m_telephoneEdit = Place(new QLineEdit(this), 65, 60, 160, 15);
    m_telephoneEdit->setAlignment(Qt::AlignCenter);
    new KeyFilter(m_telephoneEdit, kDigits + '*', kTelephoneLimit);
    auto makeNumberEdit = [this](int x, int y) {
        QLineEdit* edit = Place(new QLineEdit(this), x, y, 35, 15);
        edit->setAlignment(Qt::AlignCenter);
        new KeyFilter(edit, kDigits);
        return edit;
    };
    m_presetEdits[0] = makeNumberEdit(245, 45);
    m_presetEdits[1] = makeNumberEdit(245, 45);
    MakeRecordButtons();
    Group("Gateway", 5, 116, 285, 35);
    Label("IP Address", 15, 130, 45, 15);
    m_ctlGatewayAddress = Place(new CIPAddressCtrl(this), 65, 130, 110, 15);
    Label("Port", 205, 130, 35, 15);
    m_gatewayPortEdit = makeNumberEdit(245, 130);

    m_ctlRecordList = MakeList({"#", "IP Address", "Port", "Telephone number"}, 5, 160, 285, 140);
    connect(m_ctlRecordList, &QTreeWidget::itemSelectionChanged, this,
            &CAddressBookDlg::LoadSelectedRow);
    connect(m_ctlRecordList, &QTreeWidget::itemChanged, this, &CAddressBookDlg::LoadSelectedRow);
    connect(m_ctlRecordList->model(), &QAbstractItemModel::rowsInserted, this,
            &CAddressBookDlg::FitColumns);

    m_presetEdits[2] = makeNumberEdit(245, 45);
    m_presetEdits[3] = makeNumberEdit(245, 45);
    for (int i = 1; i < 4; ++i) {
        m_presetEdits[i]->hide();
    }
}

bool CAddressBookDlg::OnInitDialog() {
    FillWindow();
    setWindowIcon(m_hIcon);
    FitColumns();
    OnNew();
    if (!m_strStartupFile.isEmpty()) {
        ReadBook(m_strStartupFile);
        m_strStartupFile.clear();
    }
    return true;
}

void CAddressBookDlg::FillWindow() {
    m_telephoneEdit->setText(QString::fromLocal8Bit(m_form.telephoneNumber));
    for (int i = 0; i < 4; ++i) {
        m_presetEdits[i]->setText(QString::number(m_form.portPresets[i]));
    }
    m_gatewayPortEdit->setText(QString::number(m_book.gatewayPort));
}

bool CAddressBookDlg::ReadWindow() {
    const QString telephone = m_telephoneEdit->text();
    if (telephone.size() > kTelephoneLimit) {
        platform::MessageBox(texts::TooManyCharacters.arg(kTelephoneLimit));
        FocusField(m_telephoneEdit);
        return false;
    }
    m_form.telephoneNumber = telephone.toLocal8Bit();
    std::array<uint32_t*, 5> targets{&m_form.portPresets[0], &m_form.portPresets[1],
                                     &m_form.portPresets[2], &m_form.portPresets[3],
                                     &m_book.gatewayPort};
    std::array<QLineEdit*, 5> edits{m_presetEdits[0], m_presetEdits[1], m_presetEdits[2],
                                    m_presetEdits[3], m_gatewayPortEdit};
    for (size_t i = 0; i < edits.size(); ++i) {
        const auto value = ReadUnsigned(edits[i]->text());
        if (!value) {
            platform::MessageBox(texts::PositiveInteger);
            FocusField(edits[i]);
            return false;
        }
        *targets[i] = *value;
    }
    return true;
}

void CAddressBookDlg::ApplyChoice() {
    ReadWindow();
    ApplyPortChoice(m_form);
    for (int i = 0; i < 4; ++i) {
        m_presetEdits[i]->setVisible(i == m_form.portChoice);
    }
}

void CAddressBookDlg::FitColumns() {
    const int widths[] = {25, 105, 55, m_ctlRecordList->viewport()->width() - 185};
    for (int column = 0; column < 4; ++column) {
        m_ctlRecordList->setColumnWidth(column, widths[column]);
    }
}

std::optional<int> CAddressBookDlg::FirstSelected() const {
    const QList<int> selected = SelectedRowsOf(m_ctlRecordList);
    return selected.isEmpty() ? std::nullopt : std::optional<int>(selected.front());
}

void CAddressBookDlg::InsertRow(int position, const AddressRecord& record) {
    auto* item = new QTreeWidgetItem(
        QStringList{QString::number(position + 1), QString::fromLocal8Bit(record.ipAddress),
                    QString::number(record.port), QString::fromLocal8Bit(record.telephoneNumber)});
    for (int column = 0; column < 4; ++column) {
        item->setTextAlignment(column, Qt::AlignCenter);
    }
    m_ctlRecordList->insertTopLevelItem(position, item);
}

void CAddressBookDlg::Renumber() {
    for (int row = 0; row < m_ctlRecordList->topLevelItemCount(); ++row) {
        m_ctlRecordList->topLevelItem(row)->setText(0, QString::number(row + 1));
    }
}

void CAddressBookDlg::OnNew() {
    ClearBook(m_book);
    m_ctlGatewayAddress->SetAddress(m_book.gatewayAddress);
    m_ctlRecordList->clear();
    FitColumns();
    OnResetFields();
}

void CAddressBookDlg::OnResetFields() {
    m_ctlRecordAddress->ClearAddress();
    ResetForm(m_form);
    FillWindow();
    ApplyChoice();
}

void CAddressBookDlg::OnAdd() {
    if (m_ctlRecordList->topLevelItemCount() >= MaxAddressRecords) {
        platform::MessageBox(texts::MaximumReached);
        return;
    }
    const std::optional<int> selected = FirstSelected();
    const int position = selected.value_or(m_ctlRecordList->topLevelItemCount());
    ReadWindow();
    ApplyChoice();
    m_form.ipAddress = m_ctlRecordAddress->Fields();
    const BookResult result = AddRecord(m_book, m_form, selected);
    if (result == BookResult::Done) {
        InsertRow(position, m_book.records[position]);
    } else {
        platform::MessageBox(BookMessage(result));
    }
    if (selected) {
        Renumber();
    }
}

void CAddressBookDlg::OnModify() {
    const std::optional<int> selected = FirstSelected();
    if (!selected) {
        return;
    }
    ReadWindow();
    ApplyChoice();
    m_form.ipAddress = m_ctlRecordAddress->Fields();
    const BookResult result = ModifyRecord(m_book, m_form, selected);
    if (result != BookResult::Done) {
        platform::MessageBox(BookMessage(result));
        return;
    }
    // The book has changed already; the list follows it without reloading rows.
    const QSignalBlocker quiet(m_ctlRecordList);
    delete m_ctlRecordList->takeTopLevelItem(*selected);
    InsertRow(*selected, m_book.records[*selected]);
}

void CAddressBookDlg::OnDelete() {
    const QList<int> rows = SelectedRowsOf(m_ctlRecordList);
    const std::vector<int> selected(rows.begin(), rows.end());
    DeleteRecords(m_book, selected);
    const QSignalBlocker quiet(m_ctlRecordList);
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
        delete m_ctlRecordList->takeTopLevelItem(*row);
    }
    Renumber();
}

void CAddressBookDlg::LoadSelectedRow() {
    const std::optional<int> selected = FirstSelected();
    if (!selected || *selected >= static_cast<int>(m_book.records.size())) {
        return;
    }
    LoadRecordIntoForm(m_form, m_book.records[*selected]);
    m_ctlRecordAddress->SetAddress(TakeAddress(m_form.ipAddress));
    FillWindow();
    ApplyChoice();
}

void CAddressBookDlg::ReadBook(const QString& path) {
    try {
        ReadAddressBook(path, m_book);
    } catch (const FileError& e) {
        platform::MessageBox(e.Report(), platform::Icon::Stop);
    }
    m_ctlGatewayAddress->SetAddress(m_book.gatewayAddress);
    for (const AddressRecord& record : m_book.records) {
        InsertRow(m_ctlRecordList->topLevelItemCount(), record);
    }
    FillWindow();
}

void CAddressBookDlg::OnOpen() {
    const QString path =
        platform::OpenFileName(this, texts::AddressBookName, texts::AddressBookFilter);
    if (path.isEmpty()) {
        return;
    }
    OnNew();
    ReadBook(path);
}

void CAddressBookDlg::OnSave() {
    ReadWindow();
    const QString path =
        platform::SaveFileName(this, texts::AddressBookName, texts::AddressBookFilter, "*.cpe");
    if (path.isEmpty()) {
        return;
    }
    AddressBook book = m_book;
    book.gatewayAddress = m_ctlGatewayAddress->Address();
    try {
        WriteAddressBook(book, path);
    } catch (const FileError& e) {
        platform::MessageBox(e.Report(), platform::Icon::Stop);
    }
}

void CAddressBookDlg::OnOK() {
    if (ReadWindow()) {
        accept();
    }
}

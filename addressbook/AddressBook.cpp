#include "AddressBook.h"

#include <algorithm>

QString BookMessage(BookResult result) {
    switch (result) {
        case BookResult::MaximumReached:
            return QStringLiteral("Maximum number of items reached!");
        case BookResult::InvalidParams:
            return QStringLiteral("Invalid params!");
        case BookResult::Done:
            break;
    }
    return {};
}

void ClearBook(AddressBook& book) { book = AddressBook{}; }

void ResetForm(RecordForm& form) { form = RecordForm{}; }

void ApplyPortChoice(RecordForm& form) {
    const bool valid = form.portChoice >= 0 && form.portChoice < 4;
    form.currentPort = valid ? form.portPresets[form.portChoice] : 0;
}

void LoadRecordIntoForm(RecordForm& form, const AddressRecord& record) {
    form.ipAddress = FilledAddress(ParseDottedAddress(record.ipAddress));
    form.telephoneNumber = record.telephoneNumber;
    const auto port = static_cast<uint32_t>(record.port);
    form.currentPort = port;
    const auto preset = std::find(form.portPresets.begin(), form.portPresets.end(), port);
    if (preset != form.portPresets.end()) {
        form.portChoice = static_cast<int>(preset - form.portPresets.begin());
    } else if (record.port == -1) {
        form.portChoice = 1;
        form.portPresets[1] = port;
    } else {
        form.portChoice = 0;
        form.portPresets[0] = port;
    }
    ApplyPortChoice(form);
}

std::optional<AddressRecord> MakeRecord(const RecordForm& form) {
    if (IsBlank(form.ipAddress) || form.currentPort == 0 || form.telephoneNumber.isEmpty()) {
        return std::nullopt;
    }
    return AddressRecord{DottedText(TakeAddress(form.ipAddress)),
                         static_cast<int32_t>(form.currentPort), form.telephoneNumber};
}

BookResult AddRecord(AddressBook& book, const RecordForm& form, std::optional<int> firstSelected) {
    if (book.records.size() >= MaxAddressRecords) {
        return BookResult::MaximumReached;
    }
    const auto record = MakeRecord(form);
    if (!record) {
        return BookResult::InvalidParams;
    }
    const auto position = firstSelected ? *firstSelected : static_cast<int>(book.records.size());
    book.records.insert(book.records.begin() + position, *record);
    return BookResult::Done;
}

BookResult ModifyRecord(AddressBook& book, const RecordForm& form,
                        std::optional<int> firstSelected) {
    if (!firstSelected) {
        return BookResult::Done;
    }
    if (*firstSelected >= MaxAddressRecords) {
        return BookResult::MaximumReached;
    }
    const auto record = MakeRecord(form);
    if (!record) {
        return BookResult::InvalidParams;
    }
    book.records[*firstSelected] = *record;
    return BookResult::Done;
}

void DeleteRecords(AddressBook& book, std::vector<int> selected) {
    std::sort(selected.begin(), selected.end(), std::greater<>());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    for (int position : selected) {
        book.records.erase(book.records.begin() + position);
    }
}

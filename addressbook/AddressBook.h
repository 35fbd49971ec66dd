#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "DottedAddress.h"

constexpr int MaxAddressRecords = 254;
constexpr uint32_t DefaultPort = 1720;

struct AddressRecord {
    QByteArray ipAddress;  // dotted text as held, at most 16 bytes
    int32_t port = 0;
    QByteArray telephoneNumber;  // at most 36 bytes

    bool operator==(const AddressRecord&) const = default;
};

struct AddressBook {
    Octets gatewayAddress{255, 255, 255, 255};
    uint32_t gatewayPort = DefaultPort;
    std::vector<AddressRecord> records;
};

// The record being edited.
struct RecordForm {
    FormAddress ipAddress{};
    QByteArray telephoneNumber;
    std::array<uint32_t, 4> portPresets{DefaultPort, 4294967295u, 4294967295u, 4294967295u};
    int portChoice = 0;
    uint32_t currentPort = DefaultPort;
};

enum class BookResult { Done, MaximumReached, InvalidParams };

// The message users see for a refused change; empty for Done.
QString BookMessage(BookResult result);

void ClearBook(AddressBook& book);
void ResetForm(RecordForm& form);
// The current port becomes the chosen preset; a choice outside 0 to 3 gives 0.
void ApplyPortChoice(RecordForm& form);
void LoadRecordIntoForm(RecordForm& form, const AddressRecord& record);
std::optional<AddressRecord> MakeRecord(const RecordForm& form);

// firstSelected: the lowest selected position, if any.
BookResult AddRecord(AddressBook& book, const RecordForm& form, std::optional<int> firstSelected);
BookResult ModifyRecord(AddressBook& book, const RecordForm& form,
                        std::optional<int> firstSelected);
// Removes the records at the given positions, in any order.
void DeleteRecords(AddressBook& book, std::vector<int> selected);

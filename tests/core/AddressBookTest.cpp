#include <gtest/gtest.h>

#include "AddressBook.h"

namespace {

RecordForm FilledForm(const QByteArray& telephone = "123") {
    RecordForm form;
    form.ipAddress = FilledAddress({10, 0, 0, 7});
    form.telephoneNumber = telephone;
    return form;
}

AddressBook BookOf(int count) {
    AddressBook book;
    for (int i = 0; i < count; ++i) {
        book.records.push_back({"10.0.0." + QByteArray::number(i), 1720, QByteArray::number(i)});
    }
    return book;
}

}  // namespace

TEST(AddressBookRules, RowLimit) {
    struct Case {
        int records;
        BookResult add;
    };
    for (const Case c : {Case{253, BookResult::Done}, Case{254, BookResult::MaximumReached},
                         Case{300, BookResult::MaximumReached}}) {
        AddressBook book = BookOf(c.records);
        EXPECT_EQ(AddRecord(book, FilledForm(), std::nullopt), c.add) << c.records;
        EXPECT_EQ(book.records.size(),
                  static_cast<size_t>(c.add == BookResult::Done ? 254 : c.records));
    }
    AddressBook big = BookOf(300);
    EXPECT_EQ(ModifyRecord(big, FilledForm(), 254), BookResult::MaximumReached);
    EXPECT_EQ(ModifyRecord(big, FilledForm("999"), 253), BookResult::Done);
    EXPECT_EQ(big.records[253].telephoneNumber, "999");
}

TEST(AddressBookRules, AddGoesBeforeTheFirstSelectedOrAtTheEnd) {
    AddressBook book = BookOf(5);
    ASSERT_EQ(AddRecord(book, FilledForm("new"), 1), BookResult::Done);
    EXPECT_EQ(book.records[1].telephoneNumber, "new");
    EXPECT_EQ(book.records[2].telephoneNumber, "1");
    ASSERT_EQ(AddRecord(book, FilledForm("last"), std::nullopt), BookResult::Done);
    EXPECT_EQ(book.records.back().telephoneNumber, "last");
    EXPECT_EQ(book.records.size(), 7u);
}

TEST(AddressBookRules, MakeRecordRefusesIncompleteForms) {
    struct Case {
        const char* name;
        void (*change)(RecordForm&);
        bool accepted;
    };
    const Case cases[] = {
        {"complete", [](RecordForm&) {}, true},
        {"blank address", [](RecordForm& f) { f.ipAddress = {}; }, false},
        {"port 0", [](RecordForm& f) { f.currentPort = 0; }, false},
        {"empty number", [](RecordForm& f) { f.telephoneNumber.clear(); }, false},
        {"only first part",
         [](RecordForm& f) {
             f.ipAddress = {10, {}, {}, {}};
         },
         true},
    };
    for (const auto& c : cases) {
        RecordForm form = FilledForm();
        c.change(form);
        EXPECT_EQ(MakeRecord(form).has_value(), c.accepted) << c.name;
        AddressBook book;
        EXPECT_EQ(AddRecord(book, form, std::nullopt),
                  c.accepted ? BookResult::Done : BookResult::InvalidParams)
            << c.name;
    }
    RecordForm partial = FilledForm();
    partial.ipAddress = {10, {}, {}, {}};
    EXPECT_EQ(MakeRecord(partial)->ipAddress, "10.0.0.0");
    partial.currentPort = 4294967295u;
    EXPECT_EQ(MakeRecord(partial)->port, -1);
}

TEST(AddressBookRules, LoadingARecordPicksThePortPreset) {
    struct Case {
        const char* name;
        uint32_t typedSecond;
        int32_t port;
        int choice;
        std::array<uint32_t, 4> presets;
    };
    const uint32_t none = 4294967295u;
    const Case cases[] = {
        {"-1 picks the second", none, -1, 1, {1720, none, none, none}},
        {"800 replaces the first", none, 800, 0, {800, none, none, none}},
        {"1720 is the first", none, 1720, 0, {1720, none, none, none}},
        {"typed second of 800", 800, 800, 1, {1720, 800, none, none}},
    };
    for (const auto& c : cases) {
        RecordForm form;
        form.portPresets[1] = c.typedSecond;
        LoadRecordIntoForm(form, {"1.2.3.4", c.port, "55"});
        EXPECT_EQ(form.portChoice, c.choice) << c.name;
        EXPECT_EQ(form.portPresets, c.presets) << c.name;
        EXPECT_EQ(form.currentPort, static_cast<uint32_t>(c.port)) << c.name;
        EXPECT_EQ(form.ipAddress, FilledAddress({1, 2, 3, 4})) << c.name;
    }
    RecordForm form;
    LoadRecordIntoForm(form, {"", 800, ""});
    LoadRecordIntoForm(form, {"", 1720, ""});
    EXPECT_EQ(form.portPresets[0], 1720u);
    EXPECT_EQ(form.ipAddress, FilledAddress({0, 0, 0, 0}));
}

TEST(AddressBookRules, ModifyAndDelete) {
    AddressBook book = BookOf(7);
    EXPECT_EQ(ModifyRecord(book, FilledForm("x"), std::nullopt), BookResult::Done);
    DeleteRecords(book, {});
    EXPECT_EQ(book.records.size(), 7u);
    DeleteRecords(book, {5, 2});
    ASSERT_EQ(book.records.size(), 5u);
    EXPECT_EQ(book.records[2].telephoneNumber, "3");
    EXPECT_EQ(book.records[4].telephoneNumber, "6");
}

TEST(AddressBookRules, ClearAndReset) {
    AddressBook book = BookOf(3);
    book.gatewayPort = 5;
    ClearBook(book);
    EXPECT_EQ(book.gatewayAddress, (Octets{255, 255, 255, 255}));
    EXPECT_EQ(book.gatewayPort, 1720u);
    EXPECT_TRUE(book.records.empty());

    RecordForm form = FilledForm();
    form.portChoice = 2;
    ResetForm(form);
    EXPECT_TRUE(IsBlank(form.ipAddress));
    EXPECT_EQ(form.currentPort, 1720u);
    form.portChoice = 7;
    ApplyPortChoice(form);
    EXPECT_EQ(form.currentPort, 0u);
}

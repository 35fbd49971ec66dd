#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "CIPAddressCtrl.h"

namespace {

void Type(QWidget* field, const QString& keys) {
    for (const QChar c : keys) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

}  // namespace

TEST(AddressControl, BlankPartsDifferFromZeroAndReadAsZero) {
    CIPAddressCtrl address;
    address.show();
    EXPECT_TRUE(address.IsBlank());
    EXPECT_EQ(address.Address(), (Octets{0, 0, 0, 0}));

    Type(address.Field(0), "192.");
    Type(address.Field(1), "168");
    EXPECT_EQ(address.Fields(), (FormAddress{192, 168, {}, {}}));
    EXPECT_FALSE(address.IsBlank());
    EXPECT_EQ(address.Address(), (Octets{192, 168, 0, 0}));

    // A dot moves on to the next part; a part above 255 becomes 255.
    Type(address.Field(2), "300");
    EXPECT_EQ(address.Field(2)->text(), "255");
    Type(address.Field(3), "x7");
    EXPECT_EQ(address.Fields(), (FormAddress{192, 168, 255, 7}));

    address.SetAddress({0, 0, 0, 0});
    EXPECT_FALSE(address.IsBlank());
    address.ClearAddress();
    EXPECT_TRUE(address.IsBlank());
}

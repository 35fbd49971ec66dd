#include <gtest/gtest.h>

#include "DottedAddress.h"

struct DottedCase {
    const char* text;
    Octets octets;
};

TEST(DottedAddress, ParsesLenientlyAsTheExamplesShow) {
    const DottedCase cases[] = {
        {"192.168.1.20", {192, 168, 1, 20}}, {"1.2.3", {1, 2, 3, 0}},
        {"300.1.1.1", {44, 1, 1, 1}},        {"-1.0.0.0", {255, 0, 0, 0}},
        {"1.2.3.4.5", {1, 2, 3, 4}},         {"", {0, 0, 0, 0}},
        {" 10.+20.x.7y", {10, 20, 0, 7}},    {"99999999999.1.1.1", {99999999999 % 256, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDottedAddress(c.text), c.octets) << c.text;
    }
}

TEST(DottedAddress, WritesFourDecimalParts) {
    EXPECT_EQ(DottedText({10, 0, 0, 1}), "10.0.0.1");
    EXPECT_EQ(DottedText({255, 255, 255, 255}), "255.255.255.255");
    EXPECT_EQ(DottedText(ParseDottedAddress("192.168")), "192.168.0.0");
}

// The data fields at their typing limits: 32767 bytes, 65534 HEX digits, 262136 binary digits.
#include "dialog_fixture.h"

using Capacity = MainDialog;

TEST_F(Capacity, PastedTextIsCutAtEachFieldsLimitAndConvertsWhole)
{
    set_radix("2");
    const std::string ones_hex(70000, 'F');
    paste_over(IDC_HEX, ones_hex.c_str());
    EXPECT_EQ(headless_text_length(control(IDC_HEX)), 65534u);
    EXPECT_EQ(counters(), "65534 32767 262136 262136");
    EXPECT_EQ(text(IDC_BASEX), std::string(262136, '1'));

    click(IDC_SRC_ASCII);
    paste_over(IDC_ASCII, std::string(40000, 'a').c_str());
    EXPECT_EQ(headless_text_length(control(IDC_ASCII)), 32767u);
    EXPECT_EQ(counters(), "65534 32767 262135 262135");  // 0x61 has one leading zero bit

    click(IDC_SRC_BASEX);
    paste_over(IDC_BASEX, std::string(70000, '1').c_str());
    EXPECT_EQ(headless_text_length(control(IDC_BASEX)), 65534u);
    EXPECT_EQ(counters(), "16384 8192 65534 65534");
    EXPECT_EQ(text(IDC_HEX), "3" + std::string(16383, 'F'));
}

TEST_F(Capacity, RevHexOfTheLongestHexTextKeepsEveryByte)
{
    std::string hex;
    for (int i = 0; i < 32767; ++i) hex += (i % 2) ? "01" : "FE";
    paste_over(IDC_HEX, hex.c_str());
    click(IDC_REV_HEX);
    std::string reversed;
    for (int i = 32766; i >= 0; --i) reversed += (i % 2) ? "01" : "FE";
    EXPECT_EQ(text(IDC_HEX), reversed);
    EXPECT_EQ(text(IDC_BYTE_COUNT), "32767");
    EXPECT_EQ(status(), "HEX String Reversed.");
}

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
    for (int i = 0; i < 32767; ++i)
        hex += (i % 2) ? "01" : "FE";
    paste_over(IDC_HEX, hex.c_str());
    click(IDC_REV_HEX);
    std::string reversed;
    for (int i = 32766; i >= 0; --i)
        reversed += (i % 2) ? "01" : "FE";
    EXPECT_EQ(text(IDC_HEX), reversed);
    EXPECT_EQ(text(IDC_BYTE_COUNT), "32767");
    EXPECT_EQ(status(), "HEX String Reversed.");
}

// The data fields take long pastes and keys before long texts in pieces: the dialog still sees one edit,
// and refreshes once, from the whole new text.
TEST_F(Capacity, LongEditsOfTheSourceRefreshOnceFromTheWholeText)
{
    set_radix("10");
    enum edit_kind { PASTE_ALL, REPLACE_ALL, KEY };
    const struct {
        const char* name;
        int radio, field;
        edit_kind edit;
        std::string text;
        DWORD from, to;  // the selection a key replaces
        const char* counters;
    } cases[] = {
        // 2^262136 - 1 and 2^262135 - 1 have 78,911 decimal digits
        {"paste of a full HEX text", IDC_SRC_HEX, IDC_HEX, PASTE_ALL, std::string(65534, 'F'), 0, 0,
         "65534 32767 78911 262136"},
        {"key over the first digit of a full HEX text", IDC_SRC_HEX, IDC_HEX, KEY, "7", 0, 1,
         "65534 32767 78911 262135"},
        // 10^65534 - 1 has 217,700 bits; 2 x 10^65533 - 1 has 217,697
        {"another program's replace of the whole BASE(X) text", IDC_SRC_BASEX, IDC_BASEX, REPLACE_ALL,
         std::string(65534, '9'), 0, 0, "54425 27213 65534 217700"},
        {"key over the first digit of a full BASE(X) text", IDC_SRC_BASEX, IDC_BASEX, KEY, "1", 0, 1,
         "54425 27213 65534 217697"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        click(c.radio);
        headless_clear_notifications();
        if (c.edit == PASTE_ALL) {
            paste_over(c.field, c.text.c_str());
        } else if (c.edit == REPLACE_ALL) {
            SendMessageA(control(c.field), EM_SETSEL, 0, -1);
            SendMessageA(control(c.field), EM_REPLACESEL, TRUE, (LPARAM)c.text.c_str());
        } else {
            SendMessageA(control(c.field), EM_SETSEL, c.from, (LPARAM)c.to);
            type(c.field, c.text.c_str());
        }
        size_t changes = 0;
        for (size_t i = 0; i < headless_notification_count(); ++i) {
            headless_notification n = headless_notification_at(i);
            if (n.id != c.field)
                continue;
            EXPECT_TRUE(n.code == EN_UPDATE || n.code == EN_CHANGE) << n.code;
            changes += n.code == EN_CHANGE;
        }
        EXPECT_EQ(changes, 1u);
        EXPECT_EQ(counters(), c.counters);
    }
}

// Another program can put more text into the source than a user may type; the next edit refreshes
// from what a refresh takes, the capacity's worth, and the source keeps only that, as the other
// fields show.
TEST_F(Capacity, AnOverlongSourceIsCutToWhatTheRefreshTook)
{
    const struct {
        int radio, field;
        std::string text;
        size_t kept;
        const char* counters;
    } cases[] = {
        {IDC_SRC_HEX, IDC_HEX, std::string(65535, 'F'), 65534, "65534 32767 43690 262136"},
        {IDC_SRC_ASCII, IDC_ASCII, std::string(40000, 'a'), 32767, "65534 32767 43690 262135"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        click(c.radio);
        SetDlgItemTextA(dialog, c.field, c.text.c_str());
        append(c.field, "b");  // refused at the limit: the field changes only by the refresh
        EXPECT_EQ(text(c.field), c.text.substr(0, c.kept));
        EXPECT_EQ(counters(), c.counters);
    }
}

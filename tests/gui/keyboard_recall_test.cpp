// Past tasks from the keyboard: Up and Down recall them in the input line,
// F4 and Alt+Down open the past-tasks list, whose keys then act on it.
#include <string>
#include <vector>

#include "command_window.h"

namespace command_tests {
namespace {

class KeyboardRecall : public CommandWindow {
protected:
    void TearDown() override {
        // A list left open would keep its popup on the screen.
        SendMessageA(PastTasks(), CB_SHOWDROPDOWN, FALSE, 0);
        CommandWindow::TearDown();
    }

    bool ListOpen() const { return SendMessageA(PastTasks(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

    struct Press {
        WORD key;
        const char* line;  // the input line after the key
    };

    void ExpectPresses(const std::vector<Press>& presses) {
        for (size_t i = 0; i < presses.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "key " << i << " (" << (presses[i].key == VK_UP ? "Up" : "Down") << ")");
            PressKey(presses[i].key);
            EXPECT_EQ(InputText(), presses[i].line);
        }
    }
};

TEST_F(KeyboardRecall, UpStepsToOlderTasksAndDownBackToTheTypedText) {
    for (const char* task : {"1+1", "2+2", "3+3"}) Enter(task);
    const std::string history = History();
    SetInput("7*");
    ExpectPresses({
        {VK_UP, "3+3"},
        {VK_UP, "2+2"},
        {VK_UP, "1+1"},
        // The oldest task stays.
        {VK_UP, "1+1"},
        {VK_DOWN, "2+2"},
        {VK_DOWN, "3+3"},
        // Past the newest: what was typed before the first Up.
        {VK_DOWN, "7*"},
        {VK_DOWN, "7*"},
        {VK_UP, "3+3"},
    });
    // Recall calculates nothing.
    EXPECT_EQ(History(), history);
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "3+3");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "6");
    EXPECT_FALSE(ListOpen());
    // The caret follows the recalled text, ready for typing on.
    EXPECT_EQ(InputSelection(), std::make_pair(3, 3));
}

TEST_F(KeyboardRecall, TypingAfterARecallStartsAgainFromTheNewText) {
    for (const char* task : {"1+1", "2+2"}) Enter(task);
    PressKey(VK_UP);
    PressKey(VK_UP);
    ASSERT_EQ(InputText(), "1+1");
    SetInput("1+1*9");
    ExpectPresses({{VK_UP, "2+2"}, {VK_DOWN, "1+1*9"}});
}

TEST_F(KeyboardRecall, EnterCalculatesTheRecalledTaskWhichBecomesTheNewest) {
    for (const char* task : {"1+1", "2+2"}) Enter(task);
    PressKey(VK_UP);
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "1+1");
    EXPECT_EQ(Text(IDC_CURRENT_ANSWER), "2");
    EXPECT_EQ(InputText(), "");
    // A new session: the line was emptied by the calculation.
    ExpectPresses({{VK_UP, "1+1"}, {VK_UP, "2+2"}, {VK_DOWN, "1+1"}, {VK_DOWN, ""}});
}

TEST_F(KeyboardRecall, WithoutPastTasksTheLineKeepsItsText) {
    SetInput("5");
    ExpectPresses({{VK_UP, "5"}, {VK_DOWN, "5"}});
    Command(IDM_NEW);
    for (const char* task : {"1+1"}) Enter(task);
    Command(IDM_CLEAR_HISTORY);
    SetInput("8");
    ExpectPresses({{VK_UP, "8"}, {VK_DOWN, "8"}});
}

TEST_F(KeyboardRecall, F4AndAltDownOpenTheListWithoutTouchingTheLine) {
    Enter("2+3");
    struct Row {
        const char* name;
        bool alt;
        WORD key;
    };
    const Row rows[] = {{"F4", false, VK_F4}, {"Alt+Down", true, VK_DOWN}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetInput("7*");
        row.alt ? PressAltKey(row.key) : PressKey(row.key);
        EXPECT_TRUE(ListOpen());
        EXPECT_EQ(InputText(), "7*");
        EXPECT_EQ(GetFocus(), Input());
        // The same key closes it again without a pick.
        row.alt ? PressAltKey(row.key) : PressKey(row.key);
        EXPECT_FALSE(ListOpen());
        EXPECT_EQ(InputText(), "7*");
    }
}

TEST_F(KeyboardRecall, OpenListTakesItsKeys) {
    for (const char* task : {"1+1", "2+2"}) Enter(task);
    const std::string history = History();
    SetInput("7*");
    PressKey(VK_F4);
    ASSERT_TRUE(ListOpen());
    // Escape closes the list; it does not clear the input line as it does
    // while the list is closed.
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(InputText(), "7*");

    // Enter before any move picks nothing: the list opens with no entry chosen.
    PressKey(VK_F4);
    PressKey(VK_RETURN);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(InputText(), "7*");

    // Down moves in the list, Enter picks: the task is copied, not calculated.
    PressKey(VK_F4);
    PressKey(VK_HOME);
    PressKey(VK_DOWN);
    EXPECT_EQ(InputText(), "7*");
    PressKey(VK_RETURN);
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(InputText(), "1+1");
    EXPECT_EQ(History(), history);
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "2+2");
    EXPECT_EQ(GetFocus(), Input());

    // Closed again, Enter calculates and Escape clears as before.
    PressKey(VK_RETURN);
    EXPECT_EQ(Text(IDC_CURRENT_TASK), "1+1");
    SetInput("9");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(InputText(), "");
}

}  // namespace
}  // namespace command_tests

// Recall of past tasks with Up and Down, as sequences of keys over a list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recall_rules.h"

namespace {

struct Key {
    char key;          // 'U' Up, 'D' Down, 'T' the user types `text`
    const char* text;  // after Up/Down: the line's text; for 'T' what is typed
};

// Runs the keys over `tasks` (newest first) starting from the typed `line`,
// applying each answer as the window does, and checks the line after each.
void ExpectKeys(const std::vector<std::string>& tasks, std::string line, const std::vector<Key>& keys) {
    TaskRecall recall;
    const PastTaskReader read = [&tasks](int index) { return tasks.at(static_cast<size_t>(index)); };
    const int count = static_cast<int>(tasks.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "key " << i << " " << keys[i].key);
        if (keys[i].key == 'T') {
            line = keys[i].text;
            continue;
        }
        const auto shown = keys[i].key == 'U' ? recall.Older(line, count, read) : recall.Newer(line, count, read);
        if (shown) line = *shown;
        EXPECT_EQ(line, keys[i].text);
    }
}

TEST(TaskRecall, UpToTheOldestAndDownToTheTypedText) {
    ExpectKeys({"3+3", "2+2", "1+1"}, "7*",
               {{'U', "3+3"},
                {'U', "2+2"},
                {'U', "1+1"},
                {'U', "1+1"},
                {'D', "2+2"},
                {'D', "3+3"},
                {'D', "7*"},
                // Below the typed text there is nothing more.
                {'D', "7*"},
                {'U', "3+3"}});
}

TEST(TaskRecall, DownWithoutARecallKeepsTheLine) { ExpectKeys({"3+3"}, "5", {{'D', "5"}, {'D', "5"}}); }

TEST(TaskRecall, NoPastTasksKeepTheLine) { ExpectKeys({}, "5", {{'U', "5"}, {'D', "5"}}); }

TEST(TaskRecall, TypingEndsTheSessionAndKeepsTheNewText) {
    ExpectKeys({"2+2", "1+1"}, "",
               {{'U', "2+2"},
                {'U', "1+1"},
                {'T', "1+1*9"},
                // A new session begins at the newest task again.
                {'U', "2+2"},
                {'D', "1+1*9"}});
}

TEST(TaskRecall, AnEmptiedLineEndsTheSession) {
    // Enter empties the line after calculating the recalled task.
    ExpectKeys({"2+2", "1+1"}, "x", {{'U', "2+2"}, {'T', ""}, {'U', "2+2"}, {'D', ""}});
}

TEST(TaskRecall, AListThatShrankUnderTheSession) {
    TaskRecall recall;
    std::vector<std::string> tasks = {"3+3", "2+2", "1+1"};
    const PastTaskReader read = [&tasks](int index) { return tasks.at(static_cast<size_t>(index)); };
    std::string line = "t";
    for (int i = 0; i < 3; ++i) line = recall.Older(line, 3, read).value_or(line);
    ASSERT_EQ(line, "1+1");
    // The list was emptied (Clear History) while the line kept its text:
    // Up has nothing to show and Down goes back to the typed text.
    EXPECT_FALSE(recall.Older(line, 0, read));
    EXPECT_EQ(recall.Newer(line, 0, read), std::optional<std::string>("t"));
    // Shrunk to one entry: Down from the third shows the one that is left.
    for (int i = 0; i < 3; ++i) line = recall.Older(line, 3, read).value_or(line);
    tasks = {"9"};
    EXPECT_EQ(recall.Newer(line, 1, read), std::optional<std::string>("9"));
}

}  // namespace

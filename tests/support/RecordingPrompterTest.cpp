#include "support/RecordingPrompter.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(RecordingPrompter, recordsMessagesInOrderAndAnswersFromTheQueue) {
    RecordingPrompter prompter;
    prompter.answers = {true, false};
    prompter.report("first");
    EXPECT_TRUE(prompter.ask("sure?"));
    prompter.report("exported", PromptIcon::Information);
    EXPECT_FALSE(prompter.ask("again?"));
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"first", "sure?", "exported", "again?"}));
    EXPECT_EQ(prompter.messages[1], (RecordingPrompter::Message{"sure?", PromptIcon::Warning, true}));
    EXPECT_EQ(prompter.messages[2].icon, PromptIcon::Information);
}

TEST(RecordingPrompter, anUnpreparedQuestionFailsTheTestAndIsAnsweredNo) {
    RecordingPrompter prompter;
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer = prompter.ask("Delete?"), "unexpected question: Delete?");
    EXPECT_FALSE(answer);
}

}  // namespace
}  // namespace numora

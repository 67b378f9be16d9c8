#include "support/RecordingPrompter.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(RecordingPrompter, anUnpreparedQuestionFailsTheTestAndIsAnsweredNo) {
    RecordingPrompter prompter;
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer = prompter.ask("Delete?"), "unexpected question: Delete?");
    EXPECT_FALSE(answer);
}

}  // namespace
}  // namespace numora

#include "engine/report/texts.h"
#include "tests/support/test_support.h"

namespace testing_support {

FakeInteraction::FakeInteraction() : previous_(platform::SetInteraction(this)) {}
FakeInteraction::~FakeInteraction() { platform::SetInteraction(previous_); }

void FakeInteraction::ShowMessage(const std::string& text) { messages.push_back(text); }

int FakeInteraction::AskYesNo(const std::string& text) {
    questions.push_back(text);
    if (answers.empty()) return IDYES;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

BOOL FakeInteraction::EnableEudc(BOOL enable) {
    eudcCalls.push_back(enable);
    return FALSE;  // what Wine's stub answers
}

std::string UsageText() {
    std::string text;
    for (const char* const* line = texts::kUsageLines; *line; ++line) text += std::string(*line) + "\r\n";
    return text;
}

}  // namespace testing_support

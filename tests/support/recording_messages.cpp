#include "tests/support/recording_messages.h"

namespace vizud::test {

void RecordingMessages::show(const std::string& text, MessageIcon icon) { shown.push_back({text, icon}); }

MessageAnswer RecordingMessages::ask(const std::string& text, MessageButtons buttons, MessageIcon /*icon*/) {
    asked.push_back(text);
    if (!m_answers.empty()) {
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

std::vector<std::string> RecordingMessages::texts() const {
    std::vector<std::string> out;
    for (const Shown& s : shown) out.push_back(s.text);
    return out;
}

}  // namespace vizud::test

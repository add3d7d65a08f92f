// A Messages sink for tests: records every message and answers questions from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/user_texts.h"
#include "database/messages.h"

namespace vizud::test {

// Called with every text shown or asked that the German catalogue cannot translate; the test programs
// make it a failure of the test that showed it (known_texts.cpp).
inline void (*unknownTextShown)(const std::string& text) = nullptr;

class RecordingMessages : public Messages {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
    };

    void show(const std::string& text, MessageIcon icon) override {
        checkKnown(text);
        shown.push_back({text, icon});
    }
    // Pops the next scripted answer; with none scripted, answers Cancel (or No for Yes/No questions).
    MessageAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon /*icon*/) override {
        checkKnown(text);
        asked.push_back(text);
        if (m_answers.empty())
            return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    void script(MessageAnswer answer) { m_answers.push_back(answer); }
    void clear() {
        shown.clear();
        asked.clear();
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown)
            out.push_back(s.text);
        return out;
    }

    std::vector<Shown> shown;
    std::vector<std::string> asked;

private:
    static void checkKnown(const std::string& text) {
        if (unknownTextShown != nullptr && !knownText(text))
            unknownTextShown(text);
    }

    std::deque<MessageAnswer> m_answers;
};

}  // namespace vizud::test

// The one way the editor shows a message box or asks a question. The GUI answers with real dialogs,
// the command-line tool prints, tests record and script the answers.
#pragma once

#include <string>

namespace vizud {

enum class MessageIcon { None, Information, Exclamation, Question, Stop };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(const std::string& text, MessageIcon icon) = 0;
    virtual MessageAnswer ask(const std::string& text, MessageButtons buttons, MessageIcon icon) = 0;
};

}  // namespace vizud

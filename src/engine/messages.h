#pragma once
// Message boxes as values. The engine hands each one to a Prompter, which shows it (a
// window) or prints it (the batch simulator) and answers confirmations.
#include <string>

namespace toviran {

inline constexpr const char* kAppTitle = "TOVIRAN Ver2";

enum class MessageIcon { None, Information, Exclamation, Question };
enum class MessageButtons { Ok, OkCancel };

struct Message {
    MessageIcon icon = MessageIcon::None;
    std::string title = kAppTitle;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    friend bool operator==(const Message&, const Message&) = default;
};

class Prompter {
  public:
    virtual ~Prompter() = default;
    // Shows the message; returns true when it was answered with OK.
    virtual bool Show(const Message& message) = 0;
};

}  // namespace toviran

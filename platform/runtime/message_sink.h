#pragma once
// Where the error manager's messages appear. The window engine shows them as
// message boxes (suspending the asking thread until the user answers); until one
// is installed, a recorder keeps them for tests.

#include <deque>
#include <string>
#include <vector>

namespace vx::rt {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows a message box; `text` may hold line breaks. Returns the button pressed.
    virtual Answer show(const std::string& caption, const std::string& text, Buttons buttons) = 0;
};

struct ShownMessage {
    std::string caption;
    std::string text;
    Buttons buttons;
};

// Records every message. A yes/no question takes the next answer given in advance,
// "No" when none is left; an OK box always answers Ok.
class RecordingSink : public MessageSink {
public:
    Answer show(const std::string& caption, const std::string& text, Buttons buttons) override;

    void answerNext(Answer answer) { answers_.push_back(answer); }
    const std::vector<ShownMessage>& shown() const { return shown_; }
    // Forgets the messages shown and the answers not used.
    void clear();

private:
    std::vector<ShownMessage> shown_;
    std::deque<Answer> answers_;
};

}  // namespace vx::rt

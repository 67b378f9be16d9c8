#pragma once

#include <string>

namespace numora {

// The icon a message box shows.
enum class PromptIcon { None, Information, Warning, Stop };

// Modal messages to the user. Texts are shown exactly as given.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A message with an OK button.
    virtual void report(const std::string& text, PromptIcon icon = PromptIcon::None) = 0;
    // A Yes/No question with the warning icon; true for Yes.
    virtual bool ask(const std::string& question) = 0;
};

}  // namespace numora

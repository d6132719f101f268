#pragma once

#include <string>

namespace bytelora {

enum class BoxIcon { None, Warning };

// Modal message boxes. The program shows real boxes; tests record what would be shown
// and answer questions without waiting for anyone.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;

    // A box with an OK button only; returns when it is dismissed.
    virtual void Show(const std::string& title, const std::string& text, BoxIcon icon) = 0;

    // A box with Yes and No buttons and no icon; true when the answer is Yes.
    // May throw when the box cannot be shown.
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
};

}  // namespace bytelora

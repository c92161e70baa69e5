#pragma once

#include <string>

// Icon of a message box.
enum class MessageIcon { None, Information, Warning };

// Titles of the engine's and the screens' message boxes.
inline constexpr const char* kTitleTalo = "TALO";
inline constexpr const char* kTitleTooLarge = "TALO ERROR";
inline constexpr const char* kTitleInternalError = "TALO - internal error";
inline constexpr const char* kTitleInputError = "TALO - Input Validation Error";

// Where the engine and the document report what the user must read. The
// desktop program shows a modal box, talo-cli writes to standard error and
// the tests record them.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void Show(const std::string& title, const std::string& text, MessageIcon icon) = 0;
};

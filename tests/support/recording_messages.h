#pragma once

#include <string>
#include <vector>

#include "engine/messages.h"

// Keeps every message shown, for the tests to read.
class RecordingMessages : public Messages {
public:
    struct Shown {
        std::string title;
        std::string text;
        MessageIcon icon;
    };

    void Show(const std::string& title, const std::string& text, MessageIcon icon) override
    {
        shown.push_back({title, text, icon});
    }

    std::vector<Shown> shown;
};

// What the document and file code tell the user; the UI shows it in message boxes.
#pragma once

#include <string>

namespace zyv {

class Messages {
public:
    virtual ~Messages() = default;
    // A warning box titled "Avertissement" with one "OK" button. Text in UTF-8.
    virtual void Avertissement(const std::string& texte) = 0;
};

} // namespace zyv

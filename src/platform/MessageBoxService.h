#pragma once

#include <string>

namespace aerolap {

enum class MessageIcon { None, Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageBoxRequest {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const MessageBoxRequest&) const = default;
};

/// Modal message boxes. The caller waits for the operator's answer; with Yes and No, Yes is
/// the default button.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MessageAnswer show(const MessageBoxRequest& request) = 0;
};

} // namespace aerolap

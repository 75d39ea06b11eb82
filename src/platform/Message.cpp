#include "Message.h"

namespace aerolap {

std::string withArguments(const std::string& text, const std::vector<std::string>& args,
                          std::optional<int> count) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (text[i] == '%' && next >= '1' && next <= '9' && number <= args.size()) {
            out += args[number - 1];
            ++i;
        } else if (text[i] == '%' && next == 'n' && count) {
            out += std::to_string(*count);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace aerolap

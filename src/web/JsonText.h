#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace aerolap {

/// JSON written straight into text, value after value, for documents large enough that building a
/// tree first costs the GUI thread more than the text itself. The caller opens and closes objects
/// and arrays in order and gives each member's name before its value; UTF-8 passes through.
class JsonText {
public:
    JsonText& openObject() { return open('{'); }
    JsonText& closeObject() { return close('}'); }
    JsonText& openArray() { return open('['); }
    JsonText& closeArray() { return close(']'); }
    /// The name of the object's next member.
    JsonText& name(std::string_view name);
    JsonText& value(std::string_view text);
    JsonText& value(const char* text) { return value(std::string_view(text)); }
    JsonText& value(int number);
    JsonText& value(bool truth);

    const std::string& text() const { return m_text; }

private:
    JsonText& open(char bracket);
    JsonText& close(char bracket);
    /// A comma before any value but the first of its object or array, and none after a name.
    void separate();
    void quoted(std::string_view text);

    std::string m_text;
    /// For each object or array open, whether it has a value yet.
    std::vector<bool> m_filled;
    bool m_named = false;
};

} // namespace aerolap

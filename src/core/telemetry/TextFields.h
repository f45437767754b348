#pragma once

#include <string_view>
#include <vector>

// A record's text split at a separator. A field past the end reads as empty
// text, so a short record can never be read past its last field.
class TextFields
{
public:
    TextFields() = default;
    TextFields(std::string_view text, char separator);

    size_t size() const { return m_fields.size(); }
    std::string_view at(size_t index) const;
    void append(const TextFields &other);

private:
    std::vector<std::string_view> m_fields;
};

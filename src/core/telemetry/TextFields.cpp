#include "core/telemetry/TextFields.h"

TextFields::TextFields(std::string_view text, char separator)
{
    size_t start = 0;
    while (true) {
        const size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            m_fields.push_back(text.substr(start));
            return;
        }
        m_fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string_view TextFields::at(size_t index) const
{
    return index < m_fields.size() ? m_fields[index] : std::string_view();
}

void TextFields::append(const TextFields &other)
{
    m_fields.insert(m_fields.end(), other.m_fields.begin(), other.m_fields.end());
}

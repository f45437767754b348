#include "core/settings_ui/SettingsFamily.h"

#include <array>

namespace {

using Family = SettingsFamily::Family;

struct Model
{
    std::optional<Family> family;
    const char *productName;
};

constexpr std::array<Model, 20> kModels{{
    {Family::R410, "R410"},  {Family::P820, "P820"},    {Family::V360, "V360"},
    {Family::V580, "V580"},  {Family::V580, "V580"},    {Family::P940, "P940"},
    {std::nullopt, ""},      {Family::V390, "V370"},    {Family::V390, "V390"},
    {Family::V580, "V590"},  {Family::P940, "P960"},    {Family::P70, "P70"},
    {Family::P70, "PB20"},   {Family::P70, "P130"},     {Family::V390, "VN20"},
    {Family::P70, "PN20"},   {std::nullopt, ""},        {std::nullopt, ""},
    {Family::P940, "PB950"}, {Family::P70, "QT-K4-ZN"},
}};

} // namespace

std::optional<SettingsFamily::Family> SettingsFamily::familyFor(qint64 modelType)
{
    if (modelType < 0 || modelType >= qint64(kModels.size()))
        return std::nullopt;
    return kModels[size_t(modelType)].family;
}

QString SettingsFamily::productName(qint64 modelType)
{
    if (modelType < 0 || modelType >= qint64(kModels.size()))
        return {};
    return QString::fromLatin1(kModels[size_t(modelType)].productName);
}

bool SettingsFamily::hasDriverAssistance(qint64 modelType, int32_t firmwareVersionInt)
{
    const auto family = familyFor(modelType);
    if (family == Family::P940 || modelType == 9)
        return true;
    return family == Family::V580 && firmwareVersionInt >= 17;
}

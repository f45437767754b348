#include "core/settings_ui/CompactEditorSession.h"

#include "core/settings/QMVSettingManager.h"
#include "core/settings_ui/CompactEditorLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using C = CompactControl;
using Layout = CompactEditorLayout;
using Kind = Layout::Kind;

// Controls that another one switches on and off: enabled while the driver
// shows enablingValue.
struct Dependency
{
    C driver;
    int enablingValue;
    QList<C> dependents;
};

const QList<Dependency> &dependencies()
{
    static const QList<Dependency> list = {
        {C::ParkingMode, 0, {C::Voltage}},
        {C::VoiceGuidance, 0, {C::VoiceVolume}},
        {C::DateTimeSet, 1, {C::DatePicker, C::CurrentTime}},
    };
    return list;
}

// The index of the choice whose stored value a line's value matches, or -1.
qsizetype matchingChoice(const Layout::Control &control, const QString &text)
{
    if (control.match == Layout::Match::Text)
        return control.stored.indexOf(text);
    const int divisor = control.match == Layout::Match::WholeHundreds ? 100 : 1;
    const auto whole = [divisor](const QString &value) -> std::optional<int> {
        const std::optional<int> number = CompactEditorSession::wholeNumber(value);
        return number ? std::optional<int>(*number / divisor) : std::nullopt;
    };
    const std::optional<int> wanted = whole(text);
    if (!wanted)
        return -1;
    for (qsizetype i = 0; i < control.stored.size(); ++i) {
        if (whole(control.stored.at(i)) == wanted)
            return i;
    }
    return -1;
}

} // namespace

CompactEditorSession::CompactEditorSession(QMVSettingManager &manager)
    : m_manager(manager), m_partitionValues(Layout::partitionShares().size(), 0)
{
    show(C::DateTimeSet, 0);
    apply();
}

void CompactEditorSession::apply()
{
    applyPartition();
    for (const Layout::Section &section : Layout::sections()) {
        for (const Layout::Control &control : section.controls) {
            // The box is the user's alone: the clock is set only when asked
            // for in this run, whatever "set=" the file carries.
            if (control.key.isEmpty() || control.kind == Kind::Check)
                continue;
            const std::optional<QString> line = m_manager.valueForKey(control.key);
            if (!line)
                continue;
            if (control.kind == Kind::Text) {
                m_states[size_t(control.control)].text = *line;
                continue;
            }
            const qsizetype choice = matchingChoice(control, *line);
            show(control.control, choice < 0 ? control.otherValue : control.values.at(choice));
        }
    }
}

void CompactEditorSession::applyPartition()
{
    const QList<Layout::PartitionShare> &shares = Layout::partitionShares();
    for (qsizetype i = 0; i < shares.size(); ++i) {
        const std::optional<QString> line = m_manager.valueForKey(shares.at(i).key);
        m_partitionValues[i] = wholeNumber(line.value_or(QString())).value_or(0);
    }
    // Values that match no preset select the first one; the bars still show
    // the file's values.
    const QList<QMVSettingManager::PartitionRatio> &presets =
        QMVSettingManager::memoryPartitionRatiosArray();
    const auto shows = [this, &shares](const QMVSettingManager::PartitionRatio &preset) {
        for (qsizetype i = 0; i < shares.size(); ++i) {
            if (preset.value(shares.at(i).presetName) != QString::number(m_partitionValues.at(i)))
                return false;
        }
        return true;
    };
    const auto found = std::find_if(presets.cbegin(), presets.cend(), shows);
    const int column = found == presets.cend() ? 0 : int(found - presets.cbegin());
    m_states[size_t(C::Partition)].value = column;
}

CompactEditorSession::Outcome CompactEditorSession::set(CompactControl which, int value,
                                                        SliderMove move)
{
    const Layout::Control &control = Layout::control(which);
    qsizetype choice = control.values.indexOf(value);
    if (choice < 0 && control.kind == Kind::Combo)
        choice = control.values.indexOf(control.otherValue);
    if (choice < 0)
        return Outcome::NotAChoice;
    if (!isEnabled(which))
        return Outcome::SwitchedOff;
    if (control.kind == Kind::Slider && move != SliderMove::MousePressed)
        return Outcome::NotWritten;
    if (which == C::Partition)
        return setPartition(int(choice));
    show(which, control.values.at(choice));
    return writeLine(control.key, control.stored.at(choice)) ? Outcome::Written : Outcome::NoLine;
}

CompactEditorSession::Outcome CompactEditorSession::setPartition(int column)
{
    const QMVSettingManager::PartitionRatio &preset =
        QMVSettingManager::memoryPartitionRatiosArray().at(column);
    const QList<Layout::PartitionShare> &shares = Layout::partitionShares();
    bool written = false;
    for (qsizetype i = 0; i < shares.size(); ++i) {
        const QString share = preset.value(shares.at(i).presetName);
        m_partitionValues[i] = wholeNumber(share).value_or(0);
        if (writeLine(shares.at(i).key, share))
            written = true;
    }
    m_states[size_t(C::Partition)].value = column;
    return written ? Outcome::Written : Outcome::NoLine;
}

bool CompactEditorSession::writeLine(const QString &key, const QString &value)
{
    if (m_manager.replaceValue(key, value) == QMVSettingManager::ReplaceResult::Replaced)
        return true;
    if (key != Layout::control(C::DateTimeSet).key)
        return false;
    // Without a "set=" line the box gets one of its own at the top, rather
    // than taking over the file's first line; the date lines follow it.
    QStringList lines = m_manager.linedSettings();
    lines.prepend(key + value);
    m_manager.setLinedSettings(lines);
    return true;
}

void CompactEditorSession::show(CompactControl control, int value)
{
    m_states[size_t(control)].value = value;
    for (const Dependency &dependency : dependencies()) {
        if (dependency.driver != control)
            continue;
        for (const C dependent : dependency.dependents)
            m_states[size_t(dependent)].enabled = value == dependency.enablingValue;
    }
}

void CompactEditorSession::ok(const QDateTime &moment)
{
    if (value(C::DateTimeSet) != 1)
        return;
    // The box may have been checked over lines that say "set=0" (a Reset
    // after checking it): the file must ask for the clock the box shows.
    const Layout::Control &box = Layout::control(C::DateTimeSet);
    writeLine(box.key, box.stored.at(box.values.indexOf(1)));
    m_manager.removeTimeDateDelimiters();
    m_manager.addTimeDateDelimiters(QMVSettingManager::timeDateLines(moment));
}

bool CompactEditorSession::reset(qint64 modelType)
{
    const bool replaced = m_manager.loadDefaultValue(modelType);
    apply();
    return replaced;
}

std::optional<int> CompactEditorSession::value(CompactControl control) const
{
    return m_states[size_t(control)].value;
}

bool CompactEditorSession::isEnabled(CompactControl control) const
{
    return m_states[size_t(control)].enabled;
}

std::optional<QString> CompactEditorSession::text(CompactControl control) const
{
    return m_states[size_t(control)].text;
}

std::optional<int> CompactEditorSession::wholeNumber(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const double whole = std::trunc(number);
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(whole);
}

#include "files/record_line.h"

#include <cstdio>

namespace {
constexpr size_t kNameWidth = 20;
constexpr size_t kTimeWidth = 10;
constexpr size_t kDateWidth = 20;

// A right-aligned integer field: blanks, an optional sign, at least one digit.
bool IsTimeField(const std::string& field)
{
    size_t i = 0;
    while (i < field.size() && field[i] == ' ') ++i;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
    if (i == field.size()) return false;
    for (; i < field.size(); ++i)
        if (field[i] < '0' || field[i] > '9') return false;
    return true;
}

std::string Field(const std::string& line, size_t from, size_t width)
{
    if (from >= line.size()) return std::string();
    return line.substr(from, width);
}
}  // namespace

TRecordFields SplitRecordLine(const std::string& line)
{
    const std::string standardTime = Field(line, kNameWidth, kTimeWidth);
    if (line.size() > kNameWidth + kTimeWidth && !IsTimeField(standardTime)) {
        // A name longer than its field pushed the time further right: the
        // line ends with the time, or with the time and a date.
        const size_t n = line.size();
        if (n >= kNameWidth + kTimeWidth + 1 && IsTimeField(line.substr(n - kTimeWidth))) {
            return {line.substr(0, n - kTimeWidth), line.substr(n - kTimeWidth)};
        }
        if (n >= kNameWidth + kTimeWidth + kDateWidth + 1 &&
            IsTimeField(line.substr(n - kTimeWidth - kDateWidth, kTimeWidth))) {
            return {line.substr(0, n - kTimeWidth - kDateWidth), line.substr(n - kTimeWidth - kDateWidth, kTimeWidth)};
        }
    }
    return {line.substr(0, kNameWidth), standardTime};
}

std::string RecordLineName(const std::string& line)
{
    std::string key = SplitRecordLine(line).Key;
    while (!key.empty() && key.back() == ' ') key.pop_back();
    return key;
}

std::optional<int32_t> RecordLineSeconds(const std::string& line)
{
    const std::string field = SplitRecordLine(line).Time;
    if (!IsTimeField(field)) return std::nullopt;
    long long value = 0;
    if (std::sscanf(field.c_str(), "%lld", &value) != 1) return std::nullopt;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::string FormatLookupLine(const std::string& name, int32_t seconds)
{
    char time[16];
    std::snprintf(time, sizeof time, "%10d", seconds);
    std::string line = name;
    if (line.size() < kNameWidth) line.append(kNameWidth - line.size(), ' ');
    return line + time;
}

std::string FormatSolvedLine(const std::string& name, int32_t seconds, const std::string& date)
{
    std::string line = FormatLookupLine(name, seconds);
    if (date.size() < kDateWidth) line.append(kDateWidth - date.size(), ' ');
    return line + date;
}

size_t RecordListPosition(const std::vector<std::string>& list, const std::string& name, bool& found)
{
    size_t i = 0;
    while (i < list.size() && SplitRecordLine(list[i]).Key < name) ++i;
    found = i < list.size() && RecordLineName(list[i]) == name;
    return i;
}

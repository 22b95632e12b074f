#pragma once
// The fields of one line of the record file: the problem name left-aligned in
// 20 bytes (a longer name is not cut and shifts the rest), the best time in
// seconds right-aligned in 10, and on a solve the date right-aligned in 20.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The record file, in the working folder.
inline constexpr char kRecordFile[] = "RecQuilorn.txt";

struct TRecordFields {
    std::string Key;   // the name field: 20 bytes with blanks, or the whole longer name
    std::string Time;  // the time field as written
};

TRecordFields SplitRecordLine(const std::string& line);

// The name of the line: its key without trailing blanks.
std::string RecordLineName(const std::string& line);

// The best time of a line, or nothing when the field is not an integer.
std::optional<int32_t> RecordLineSeconds(const std::string& line);

// A line added by a lookup ("%-20s%10d") and one written by a solve
// ("%-20s%10d%20s").
std::string FormatLookupLine(const std::string& name, int32_t seconds);
std::string FormatSolvedLine(const std::string& name, int32_t seconds, const std::string& date);

// The record list is kept sorted by key. Index of the first line whose key
// is not less than name; found tells whether that line is name's own.
size_t RecordListPosition(const std::vector<std::string>& list, const std::string& name, bool& found);

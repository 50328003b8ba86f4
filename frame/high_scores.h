// The results file "high.scr": eleven header numbers and 55 fixed-width records, read only.
#pragma once
#include <array>
#include <string>

namespace frame {

inline constexpr const char* kHighScoreFile = "high.scr";
inline constexpr int kHeaderFields = 11;
inline constexpr int kRecordCount = 55;
inline constexpr int kNameSlots = 70;     // 14 groups of 5; the file fills 1..55
inline constexpr int kNameSlotBytes = 15;
inline constexpr int kNameBytes = 10;

// Arrays are numbered from 1 as the file's fields are; [0] is unused.
struct HighScores {
    std::array<int, kHeaderFields + 1> ResultHeader{};
    std::array<std::array<char, kNameSlotBytes>, kNameSlots + 1> RecordName{};
    std::array<int, kRecordCount + 1> RecordValue{};
};

// The usual decimal conversion: leading blanks skipped, optional sign, digits up to the first
// non-digit, 0 when there are none.
int DecimalValue(const char* text);

// Reads the file at `path` into `scores`. Short fields read as far as the file goes: missing
// header and number bytes count as zeros, missing name bytes leave the slot's previous contents.
// Returns false, changing nothing, when the file cannot be opened.
bool ReadHighScores(const std::string& path, HighScores& scores);

} // namespace frame

// The results file "high.scr": eleven header numbers and 55 fixed-width records, read only.
#include "frame/high_scores.h"

#include <cstdio>
#include <memory>

namespace frame {

int DecimalValue(const char* text) {
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    long value = 0;
    // At most a few characters reach here; the clamp only keeps a wild file from overflowing.
    while (*p >= '0' && *p <= '9' && value < 100000000) value = value * 10 + (*p++ - '0');
    return static_cast<int>(negative ? -value : value);
}

bool ReadHighScores(const std::string& path, HighScores& scores) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return false;
    FILE* f = file.get();

    for (int i = 1; i <= kHeaderFields; ++i) {
        char field[6] = {};
        (void)std::fread(field, 1, 5, f);
        scores.ResultHeader[size_t(i)] = DecimalValue(field);
    }
    for (int r = 1; r <= kRecordCount; ++r) {
        auto& slot = scores.RecordName[size_t(r)];
        if (std::fseek(f, 57 + 15 * (r - 1), SEEK_SET) == 0) (void)std::fread(slot.data(), 1, kNameBytes, f);
        slot[kNameBytes] = 0;
        char number[4] = {};
        (void)std::fread(number, 1, 3, f);
        scores.RecordValue[size_t(r)] = DecimalValue(number);
    }
    return true;
}

} // namespace frame

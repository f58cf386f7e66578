#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace brannock::detail {

struct CodePageTable {
    int number;
    std::array<std::uint16_t, 128> upper; ///< characters of bytes 0x80-0xFF
};

extern const CodePageTable kCodePageTables[];
extern const std::size_t kCodePageTableCount;

} // namespace brannock::detail

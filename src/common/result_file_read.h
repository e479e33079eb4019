#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/grid_result_file.h"

namespace korrimet {

class RunControl;

// Four times the largest file a grid run may write: a larger file at a
// result's path is none of ours, and reading it whole could take all memory.
inline constexpr std::uint64_t kLargestReadableResult = 4 * std::uint64_t{GridLimits{}.fileBytes};

// A result file opened to read, or why it cannot be.
struct ResultFileOpen {
    enum class Status { Open, Missing, Unreadable };
    Status status = Status::Missing;
    int fd = -1;             // Open: the caller's to close
    std::uint64_t size = 0;  // Open: the size it had when opened
    std::string problem;     // Unreadable: what the user is told
};

// What the user is told of a result file that cannot be read, and why.
std::string CannotReadResultFile(const std::string& reason);

// Opens the file at `path` to read, following links. No file and no link
// there: Missing. A folder, a pipe or a device (never waited on), a link
// that leads nowhere or round in a loop, a file the user may not read, or
// one larger than `largest` (refused from its size alone): Unreadable, with
// "无法读取计算结果文件（…）" naming the reason.
ResultFileOpen OpenResultFile(const std::string& path, std::uint64_t largest = kLargestReadableResult);

// Reads `size` bytes of `fd` into `into`, a megabyte at a time, checking
// `control` (when given) before each: a cancel throws RunCancelled. Empty
// when every byte came; otherwise what the user is told, as for a file cut
// short while it was read.
std::string ReadResultBytes(int fd, char* into, std::size_t size, const RunControl* control = nullptr);

}  // namespace korrimet

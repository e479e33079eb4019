#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/grid_result_file.h"

namespace korrimet {

class RunControl;

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
// one more than four times `largestWritten`, the largest file a run may
// write (refused from its size alone: it is none of ours, and reading it
// whole could take all memory): Unreadable, with "无法读取计算结果文件（…）"
// naming the reason.
ResultFileOpen OpenResultFile(const std::string& path, std::uint64_t largestWritten = GridLimits{}.fileBytes);

// Reads `size` bytes of `fd` into `into`, a megabyte at a time, checking
// `control` (when given) before each: a cancel throws RunCancelled. Empty
// when every byte came; otherwise what the user is told, as for a file cut
// short while it was read.
std::string ReadResultBytes(int fd, char* into, std::size_t size, const RunControl* control = nullptr);

}  // namespace korrimet

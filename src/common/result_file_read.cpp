#include "common/result_file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/run_control.h"
#include "common/system_reason.h"

namespace korrimet {
namespace {

// A closed window stops its read within a megabyte.
constexpr std::size_t kReadChunk = 1 << 20;

std::string sizeText(std::uint64_t bytes) {
    if (bytes >= (std::uint64_t{1} << 30)) return std::to_string(bytes >> 30) + "GB";
    if (bytes >= (std::uint64_t{1} << 20)) return std::to_string(bytes >> 20) + "MB";
    return std::to_string(bytes) + "字节";
}

}  // namespace

std::string CannotReadResultFile(const std::string& reason) { return "无法读取计算结果文件（" + reason + "）"; }

ResultFileOpen OpenResultFile(const std::string& path, std::uint64_t largestWritten) {
    ResultFileOpen out;
    auto refuse = [&](const std::string& reason) {
        out.status = ResultFileOpen::Status::Unreadable;
        out.problem = CannotReadResultFile(reason);
        return out;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error != ENOENT) return refuse(SystemReason(error));
        struct stat link {};
        if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) return refuse("链接指向的文件不存在");
        return out;
    }
    struct stat info {};
    std::string reason;
    if (::fstat(fd, &info) != 0) reason = SystemReason(errno);
    else if (S_ISDIR(info.st_mode)) reason = SystemReason(EISDIR);
    else if (!S_ISREG(info.st_mode)) reason = "这不是普通文件";
    else if (static_cast<std::uint64_t>(info.st_size) > 4 * largestWritten)
        reason = "文件有" + sizeText(static_cast<std::uint64_t>(info.st_size)) +
                 "，远大于本程序写出的任何计算结果文件（至多" + sizeText(largestWritten) + "），不予读取";
    if (!reason.empty()) {
        ::close(fd);
        return refuse(reason);
    }
    out.status = ResultFileOpen::Status::Open;
    out.fd = fd;
    out.size = static_cast<std::uint64_t>(info.st_size);
    return out;
}

std::string ReadResultBytes(int fd, char* into, std::size_t size, const RunControl* control) {
    for (std::size_t done = 0; done < size;) {
        if (control) control->check();
        const ssize_t n = ::read(fd, into + done, std::min(kReadChunk, size - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return CannotReadResultFile("读取出错：" + SystemReason(errno));
        if (n == 0) return "计算结果文件在读取时被截短（不完整的结果不予显示，请重新计算）";
        done += static_cast<std::size_t>(n);
    }
    return {};
}

}  // namespace korrimet

#include "common/grid_result_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <exception>
#include <mutex>
#include <thread>

#include "common/number_text.h"
#include "common/run_control.h"
#include "common/system_reason.h"

namespace korrimet {
namespace {

void appendDefaultText(std::string& out, double v) { out += NumberText(v); }

}  // namespace

LoopPlan PlanLoop(const GridLoop& loop, std::size_t limit) {
    LoopPlan plan;
    auto within = [&](double v) { return loop.step >= 0 ? !(v > loop.bound) : !(v < loop.bound); };
    if (loop.step == 0) {
        if (within(loop.first)) plan.status = LoopPlan::Status::Endless;
        return plan;
    }
    // Counted before anything is stored. A step too small to move the value
    // never ends either; the limit catches it.
    std::size_t count = 0;
    for (double v = loop.first; within(v); v += loop.step)
        if (++count > limit) {
            plan.status = LoopPlan::Status::TooLarge;
            return plan;
        }
    plan.values.reserve(count);
    for (double v = loop.first; within(v); v += loop.step) plan.values.push_back(v);
    return plan;
}

GridPlan PlanGrid(const GridLoop& x, const GridLoop& y, const GridLimits& limits) {
    GridPlan plan;
    plan.limits = limits;
    auto refuse = [&](GridPlan::Status status) {
        plan.status = status;
        return plan;
    };
    LoopPlan ys = PlanLoop(y, limits.rowCells);
    if (ys.status == LoopPlan::Status::Endless) return refuse(GridPlan::Status::EndlessY);
    if (ys.status == LoopPlan::Status::TooLarge) return refuse(GridPlan::Status::TooWide);

    std::size_t header = 10;  // "X=\c/Y=;", the carriage return and the closing line end
    for (double v : ys.values) header += 3 + NumberText(v).size();
    if (header > limits.fileBytes) return refuse(GridPlan::Status::TooLarge);
    // "x=", ";", a carriage return and at least one digit.
    const std::size_t rowBytes = 4 + ys.values.size() * kGridCellBytes;
    LoopPlan xs = PlanLoop(x, (limits.fileBytes - header) / (rowBytes + 1));
    if (xs.status == LoopPlan::Status::Endless) return refuse(GridPlan::Status::EndlessX);
    if (xs.status == LoopPlan::Status::TooLarge) return refuse(GridPlan::Status::TooLarge);
    if (!xs.values.empty()) {
        const std::size_t xText =
            std::max(NumberText(xs.values.front()).size(), NumberText(xs.values.back()).size());
        if (header + xs.values.size() * (rowBytes + xText) > limits.fileBytes)
            return refuse(GridPlan::Status::TooLarge);
    }
    plan.xs = std::move(xs.values);
    plan.ys = std::move(ys.values);
    return plan;
}

namespace {

// The bytes the text of a grid would take, from the cells of up to 32 rows by
// 64 columns spread over it: cells that print wider than counted in advance
// are found out before the work, not after it.
std::size_t EstimateGridBytes(const GridPlan& plan, const GridCell& cell, std::size_t header) {
    auto spread = [](std::size_t count, std::size_t most) {
        std::vector<std::size_t> at;
        const std::size_t n = std::min(count, most);
        for (std::size_t i = 0; i < n; ++i) at.push_back(n == 1 ? 0 : i * (count - 1) / (n - 1));
        return at;
    };
    const std::vector<std::size_t> rows = spread(plan.xs.size(), 32), columns = spread(plan.ys.size(), 64);
    std::size_t xChars = 0, cellChars = 0, cells = 0;
    std::string out;
    for (std::size_t r : rows) {
        xChars += NumberText(plan.xs[r]).size();
        for (std::size_t c : columns) {
            out.clear();
            cell(plan.xs[r], plan.ys[c], out);
            cellChars += out.size();
            ++cells;
        }
    }
    if (rows.empty()) return header;
    const double rowBytes = 4.0 + static_cast<double>(xChars) / static_cast<double>(rows.size()) +
                            (cells ? (static_cast<double>(cellChars) / static_cast<double>(cells) + 1) *
                                         static_cast<double>(plan.ys.size())
                                   : 0.0);
    return header + static_cast<std::size_t>(rowBytes * static_cast<double>(plan.xs.size()));
}

// The text of a run of rows, with its failed cells.
struct GridBlock {
    std::string text;
    bool done = false;
    std::size_t failedCells = 0;
    double firstFailedX = 0, firstFailedY = 0;
};

class StringSink : public TextSink {
public:
    explicit StringSink(std::string& text) : text_(text) {}
    void reserve(std::size_t bytes) override { text_.reserve(bytes); }
    void append(std::string_view bytes) override { text_ += bytes; }

private:
    std::string& text_;
};

}  // namespace

GridText BuildGridText(const GridPlan& plan, const GridCell& cell, RunControl* control, unsigned threads) {
    std::string text;
    StringSink sink(text);
    GridText result = BuildGridText(plan, cell, sink, control, threads);
    if (result.tooLarge || result.cancelled) std::string().swap(text);
    result.text = std::move(text);
    return result;
}

GridText BuildGridText(const GridPlan& plan, const GridCell& cell, TextSink& sink, RunControl* control,
                       unsigned threads) {
    GridText result;
    std::string header = "X=\\c/Y=;";
    for (double y : plan.ys) {
        header += "y=";
        appendDefaultText(header, y);
        header += ';';
    }
    header += '\r';
    const std::size_t limit = plan.limits.fileBytes;
    std::size_t expected = header.size();
    if (!plan.xs.empty()) {
        expected = EstimateGridBytes(plan, cell, header.size());
        if (expected > limit) {
            result.tooLarge = true;
            return result;
        }
    }
    // Room for cells a little wider than the sample's, so the text is not
    // moved as it grows.
    sink.reserve(std::min(expected + expected / 8, limit) + 2);
    sink.append(header);

    // Blocks of about 4,096 cells: small enough to share out evenly, large
    // enough that handing them out costs nothing.
    const std::size_t rowsPerBlock = std::max<std::size_t>(1, 4096 / std::max<std::size_t>(plan.ys.size(), 1));
    const std::size_t blockCount = (plan.xs.size() + rowsPerBlock - 1) / rowsPerBlock;
    // A block done before those ahead of it waits here; blocks are handed
    // out in order, so few ever wait.
    std::vector<GridBlock> waiting(blockCount);
    std::mutex sinkLock;
    std::size_t nextToSink = 0;
    auto toSink = [&](GridBlock& block) {
        if (block.failedCells > 0 && result.failedCells == 0) {
            result.firstFailedX = block.firstFailedX;
            result.firstFailedY = block.firstFailedY;
        }
        result.failedCells += block.failedCells;
        sink.append(block.text);
    };
    std::atomic<std::size_t> nextBlock{0}, rowsDone{0}, bytes{header.size()};
    std::atomic<bool> stop{false}, tooLarge{false};
    auto stopped = [&] {
        if (control && control->cancelled()) stop = true;
        return stop.load(std::memory_order_relaxed);
    };
    auto work = [&] {
        GridBlock block;  // each thread builds its blocks in one buffer it keeps
        for (std::size_t b; (b = nextBlock++) < blockCount && !stopped();) {
            block.text.clear();
            block.failedCells = 0;
            const std::size_t first = b * rowsPerBlock, last = std::min(first + rowsPerBlock, plan.xs.size());
            for (std::size_t r = first; r < last; ++r) {
                if (stopped()) return;
                const double x = plan.xs[r];
                const std::size_t before = block.text.size();
                block.text += "x=";
                appendDefaultText(block.text, x);
                block.text += ';';
                std::size_t column = 0;
                for (double y : plan.ys) {
                    if (++column % 1024 == 0 && stopped()) return;
                    if (!cell(x, y, block.text)) {
                        if (block.failedCells == 0) {
                            block.firstFailedX = x;
                            block.firstFailedY = y;
                        }
                        ++block.failedCells;
                    }
                    block.text += ';';
                }
                block.text += '\r';
                if ((bytes += block.text.size() - before) > limit) {
                    tooLarge = true;
                    stop = true;
                    return;
                }
            }
            {
                std::lock_guard lock(sinkLock);
                if (b != nextToSink) {
                    waiting[b] = std::move(block);
                    waiting[b].done = true;
                    block = GridBlock{};
                } else {
                    toSink(block);
                    for (++nextToSink; nextToSink < blockCount && waiting[nextToSink].done; ++nextToSink) {
                        toSink(waiting[nextToSink]);
                        waiting[nextToSink] = GridBlock{};
                    }
                }
            }
            const std::size_t done = rowsDone += last - first;
            if (control) control->setProgress(plan.xs[done - 1]);
        }
    };
    const unsigned workers = static_cast<unsigned>(std::min<std::size_t>(std::max(threads, 1u), blockCount));
    std::vector<std::thread> pool;
    std::exception_ptr failure;
    std::mutex failureLock;
    for (unsigned i = 1; i < workers; ++i)
        pool.emplace_back([&] {
            try {
                work();
            } catch (...) {
                std::lock_guard lock(failureLock);
                if (!failure) failure = std::current_exception();
                stop = true;
            }
        });
    try {
        work();
    } catch (...) {
        stop = true;
        for (std::thread& t : pool) t.join();
        throw;
    }
    for (std::thread& t : pool) t.join();
    if (failure) std::rethrow_exception(failure);

    if (tooLarge) {
        result.tooLarge = true;
        return result;
    }
    if (stopped()) {
        result.cancelled = true;
        return result;
    }
    sink.append("\r\n");
    return result;
}

namespace {

// Writes a megabyte at a time: a cancel is seen within a few milliseconds.
constexpr std::size_t kWriteChunk = 1 << 20;

}  // namespace

std::string WriteAllBytes(const ByteWriter& write, std::string_view bytes, const RunControl* control) {
    for (std::size_t at = 0; at < bytes.size();) {
        if (control) control->check();
        const std::size_t end = std::min(at + kWriteChunk, bytes.size());
        while (at < end) {
            const ssize_t n = write(bytes.data() + at, end - at);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return SystemReason(errno);
            // errno is then whatever an earlier call left.
            if (n == 0) return "系统没有写入任何字节，也没有给出原因";
            at += static_cast<std::size_t>(n);
        }
    }
    if (control) control->check();
    return {};
}

std::string WriteAllBytes(int fd, std::string_view bytes, const RunControl* control) {
    return WriteAllBytes([fd](const char* data, std::size_t size) { return ::write(fd, data, size); }, bytes,
                         control);
}

namespace {

bool isFolder(const std::string& name) {
    struct stat info {};
    return ::lstat(name.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A folder left empty at one of the file's names goes; one holding anything
// is the user's and stays. Returns 0 once it is gone, else why it stays.
int removeEmptyFolder(const std::string& name) {
    if (::rmdir(name.c_str()) == 0) return 0;
    return errno == ENOTEMPTY || errno == EEXIST ? EISDIR : errno;
}

// Clears what an earlier run left at the temporary name: a file, a link, a
// pipe, or an empty folder. Returns 0 when the name is free, else why it is not.
int clearTemporaryName(const std::string& part) {
    if (::unlink(part.c_str()) == 0 || errno == ENOENT) return 0;
    const int unlinkError = errno;
    return isFolder(part) ? removeEmptyFolder(part) : unlinkError;
}

}  // namespace

bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string* error, const RunControl* control) {
    const std::string part = path + ".part";
    // Files and links only: a folder at either name stays where the message says it is.
    auto removeBoth = [&] {
        ::unlink(part.c_str());
        ::unlink(path.c_str());
    };
    auto fail = [&](const char* what, const std::string& at, const std::string& reason) {
        removeBoth();
        if (error) *error = what + at + "：" + reason;
        return false;
    };

    // A folder at the result's name is told before the write, which may take
    // long, rather than after it.
    if (isFolder(path))
        if (const int kept = removeEmptyFolder(path)) return fail("无法替换计算结果文件 ", path, SystemReason(kept));
    // Created afresh, never opened through a link or a pipe someone left at
    // that name: what is written stays in the folder.
    if (const int kept = clearTemporaryName(part)) return fail("无法删除旧的临时文件 ", part, SystemReason(kept));
    const int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return fail("无法创建临时文件 ", part, SystemReason(errno));
    std::string reason;
    try {
        // The mode given to open is narrowed by the umask.
        reason = ::fchmod(fd, 0600) == 0 ? WriteAllBytes(fd, bytes, control) : SystemReason(errno);
    } catch (const RunCancelled&) {
        ::close(fd);
        removeBoth();
        throw;
    }
    if (::close(fd) != 0 && reason.empty()) reason = SystemReason(errno);
    if (!reason.empty()) return fail("无法写入临时文件 ", part, reason);
    // A link at the result's path is replaced, not followed.
    if (::rename(part.c_str(), path.c_str()) != 0) return fail("无法替换计算结果文件 ", path, SystemReason(errno));
    // A cancel that came during the rename: the run's file must not outlive it.
    if (control && control->cancelled()) {
        removeBoth();
        throw RunCancelled{};
    }
    return true;
}

}  // namespace korrimet

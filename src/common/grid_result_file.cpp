#include "common/grid_result_file.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/number_text.h"
#include "common/run_control.h"

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
    std::size_t failedCells = 0;
    double firstFailedX = 0, firstFailedY = 0;
};

}  // namespace

GridText BuildGridText(const GridPlan& plan, const GridCell& cell, RunControl* control, unsigned threads) {
    GridText result;
    std::string header = "X=\\c/Y=;";
    for (double y : plan.ys) {
        header += "y=";
        appendDefaultText(header, y);
        header += ';';
    }
    header += '\r';
    const std::size_t limit = plan.limits.fileBytes;
    if (!plan.xs.empty() && EstimateGridBytes(plan, cell, header.size()) > limit) {
        result.tooLarge = true;
        return result;
    }

    // Blocks of about 4,096 cells: small enough to share out evenly, large
    // enough that handing them out costs nothing.
    const std::size_t rowsPerBlock = std::max<std::size_t>(1, 4096 / std::max<std::size_t>(plan.ys.size(), 1));
    const std::size_t blockCount = (plan.xs.size() + rowsPerBlock - 1) / rowsPerBlock;
    std::vector<GridBlock> blocks(blockCount);
    std::atomic<std::size_t> nextBlock{0}, rowsDone{0}, bytes{header.size()};
    std::atomic<bool> stop{false}, tooLarge{false};
    auto stopped = [&] {
        if (control && control->cancelled()) stop = true;
        return stop.load(std::memory_order_relaxed);
    };
    auto work = [&] {
        for (std::size_t b; (b = nextBlock++) < blockCount && !stopped();) {
            GridBlock& block = blocks[b];
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
    if (control && control->cancelled()) {
        result.cancelled = true;
        return result;
    }
    std::string& text = result.text;
    text = std::move(header);
    text.reserve(bytes + 2);
    for (GridBlock& block : blocks) {
        if (block.failedCells > 0 && result.failedCells == 0) {
            result.firstFailedX = block.firstFailedX;
            result.firstFailedY = block.firstFailedY;
        }
        result.failedCells += block.failedCells;
        text += block.text;
        std::string().swap(block.text);
    }
    text += "\r\n";
    return result;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string* error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path part(path + ".part");
    std::error_code ec;
    auto fail = [&](const std::string& reason) {
        fs::remove(part, ec);
        fs::remove(target, ec);
        if (error) *error = reason;
        return false;
    };

    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        if (!out) return fail("cannot create " + part.string());
        fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace, ec);
        if (ec) return fail(ec.message());
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) return fail("cannot write " + part.string());
    }
    fs::rename(part, target, ec);
    if (ec) return fail(ec.message());
    return true;
}

}  // namespace korrimet

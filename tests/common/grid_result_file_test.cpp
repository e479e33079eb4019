#include "common/grid_result_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>
#include <utility>
#include <vector>

#include "common/number_text.h"
#include "common/result_file_read.h"
#include "common/run_control.h"
#include "common/text_lines.h"

namespace korrimet {
namespace {

// A cell that names its point, so every byte of the layout is visible.
bool pointCell(double x, double y, std::string& out) {
    out += NumberText(x) + "|" + NumberText(y);
    return true;
}

std::string gridText(GridLoop x, GridLoop y) { return BuildGridText(PlanGrid(x, y), pointCell).text; }

// Keeps what a run gives it, and when and how much room it was asked for.
class RecordingSink : public TextSink {
public:
    void reserve(std::size_t bytes) override {
        reserved.push_back(bytes);
        appendsBeforeReserve += appends;
    }
    void append(std::string_view bytes) override {
        ++appends;
        text += bytes;
    }
    std::string text;
    std::vector<std::size_t> reserved;
    std::size_t appends = 0, appendsBeforeReserve = 0;
};

TEST(GridResultFile, LayoutHeaderRowsAndLineEnds) {
    EXPECT_EQ(gridText({10, 210, 100}, {0, 10, 10}),
              "X=\\c/Y=;y=0;y=10;\r"
              "x=10;10|0;10|10;\r"
              "x=110;110|0;110|10;\r"
              "x=210;210|0;210|10;\r"
              "\r\n");
}

TEST(GridResultFile, EmptyAxes) {
    // A range below the first x: the header line, its carriage return, the line end.
    EXPECT_EQ(gridText({10, 5, 100}, {0, 10, 10}), "X=\\c/Y=;y=0;y=10;\r\r\n");
    // No columns: every row holds only its x cell.
    EXPECT_EQ(gridText({10, 110, 100}, {0, -1, 10}), "X=\\c/Y=;\rx=10;\rx=110;\r\r\n");
}

TEST(GridResultFile, NegativeStepsRunDownward) {
    EXPECT_EQ(PlanGrid({10, -10, -10}, {0, 0, 1}).xs, (std::vector<double>{10, 0, -10}));
    // A negative step from below the bound yields nothing.
    EXPECT_TRUE(PlanGrid({10, 3000, -100}, {0, 0, 1}).xs.empty());
}

TEST(GridResultFile, FractionalStepsAccumulateByAddition) {
    // 0.1 + 0.1 + 0.1 lies above 0.3, so the loop stops one step early.
    EXPECT_EQ(PlanGrid({0, 0, 1}, {0, 0.3, 0.1}).ys.size(), 3u);
    EXPECT_EQ(gridText({10.5, 11, 0.5}, {0, -1, 1}), "X=\\c/Y=;\rx=10.5;\rx=11;\r\r\n");
    // The accumulated sum keeps its own digits in the default text.
    EXPECT_EQ(gridText({10, 0, 1}, {0, 0.35, 0.1}), "X=\\c/Y=;y=0;y=0.1;y=0.2;y=0.3;\r\r\n");
}

TEST(GridResultFile, EndlessAndOversizedGridsAreRefusedBeforeTheyRun) {
    EXPECT_EQ(PlanGrid({10, 3000, 0}, {0, 100, 10}).status, GridPlan::Status::EndlessX);
    EXPECT_EQ(PlanGrid({10, 3000, 100}, {0, 100, 0}).status, GridPlan::Status::EndlessY);
    // A step of 0 that starts outside the range simply gives no values.
    GridPlan outside = PlanGrid({10, 5, 0}, {0, 100, 10});
    EXPECT_EQ(outside.status, GridPlan::Status::Ready);
    EXPECT_TRUE(outside.xs.empty());

    // Counted at ten characters a cell: header 10 + 10 × "y=n;", rows "x=n;" + 10 cells + "\r".
    const GridLimits limits{50 + 10 * 105, 10};
    EXPECT_EQ(PlanGrid({0, 9, 1}, {0, 9, 1}, limits).status, GridPlan::Status::Ready);
    EXPECT_EQ(PlanGrid({0, 10, 1}, {0, 9, 1}, limits).status, GridPlan::Status::TooLarge);
    EXPECT_EQ(PlanGrid({0, 0, 1}, {0, 10, 1}, limits).status, GridPlan::Status::TooWide);
    // Rows without columns still count: 500 rows of "x=nnn;\r" pass 1000 bytes.
    EXPECT_EQ(PlanGrid({0, 499, 1}, {0, -1, 1}, {1000, 10}).status, GridPlan::Status::TooLarge);
    // The default limits: a million cells pass, the grids that made the window
    // hold gigabytes do not.
    EXPECT_EQ(PlanGrid({10, 10000, 10}, {0, 999, 1}).status, GridPlan::Status::Ready);
    EXPECT_EQ(PlanGrid({10, 1e7, 1}, {0, 0, 1}).status, GridPlan::Status::TooLarge);
    EXPECT_EQ(PlanGrid({10, 10, 1}, {0, 3e6, 1}).status, GridPlan::Status::TooWide);
    // A step too small to move a large value never ends either.
    EXPECT_EQ(PlanGrid({1e20, 2e20, 1}, {0, 0, 1}).status, GridPlan::Status::TooLarge);
    EXPECT_EQ(PlanGrid({10, 1e12, 1}, {0, 0, 1}).status, GridPlan::Status::TooLarge);
}

TEST(GridResultFile, FailedCellsAreCountedAndRowsReported) {
    RunControl control;
    GridText g = BuildGridText(
        PlanGrid({10, 30, 10}, {0, 2, 1}),
        [](double x, double y, std::string& out) {
            out += "c";
            return !(x >= 20 && y >= 1);
        },
        &control);
    EXPECT_EQ(g.failedCells, 4u);
    EXPECT_EQ(g.firstFailedX, 20);
    EXPECT_EQ(g.firstFailedY, 1);
    EXPECT_EQ(control.progress(), 30);  // the x of the last row done
}

TEST(GridResultFile, RowsOnEveryCoreGiveTheSameBytesAndTheFirstFailureInRowOrder) {
    // Cells of every width, failing in scattered rows.
    auto cell = [](double x, double y, std::string& out) {
        out += NumberText(x * 7.25 / (y + 3));
        return static_cast<long>(x + y) % 97 != 5;
    };
    const GridPlan plan = PlanGrid({10, 3000, 1}, {0, 30, 1});
    const GridText one = BuildGridText(plan, cell, nullptr, 1);
    for (unsigned threads : {2u, 8u, 32u}) {
        const GridText many = BuildGridText(plan, cell, nullptr, threads);
        EXPECT_EQ(many.text, one.text);
        EXPECT_EQ(many.failedCells, one.failedCells);
        EXPECT_EQ(many.firstFailedX, one.firstFailedX);
        EXPECT_EQ(many.firstFailedY, one.firstFailedY);
    }
    EXPECT_GT(one.failedCells, 0u);
}

TEST(GridResultFile, CellsWiderThanCountedAreRefusedFromASampleBeforeTheWork) {
    std::atomic<std::size_t> calls{0};
    auto wide = [&](double, double, std::string& out) {
        ++calls;
        out += std::string(40, '9');
        return true;
    };
    // Counted at ten characters a cell the grid fits; at forty it does not.
    const GridPlan plan = PlanGrid({0, 999, 1}, {0, 99, 1}, {2'000'000, 1000});
    ASSERT_EQ(plan.status, GridPlan::Status::Ready);
    const GridText g = BuildGridText(plan, wide, nullptr, 4);
    EXPECT_TRUE(g.tooLarge);
    EXPECT_TRUE(g.text.empty());
    EXPECT_LE(calls.load(), 32u * 64u);  // the sample only
}

TEST(GridResultFile, ACancelledRunStopsAndGivesNoText) {
    RunControl control;
    std::atomic<std::size_t> calls{0};
    auto cell = [&](double, double, std::string& out) {
        if (++calls == 5000) control.cancel();
        out += "1";
        return true;
    };
    const GridPlan plan = PlanGrid({0, 49'999, 1}, {0, 99, 1});
    ASSERT_EQ(plan.status, GridPlan::Status::Ready);
    const GridText g = BuildGridText(plan, cell, &control, 4);
    EXPECT_TRUE(g.cancelled);
    EXPECT_TRUE(g.text.empty());
    EXPECT_LT(calls.load(), plan.xs.size() * plan.ys.size() / 10);
}

TEST(GridResultFile, TheTextGoesStraightIntoOneBufferReservedOnceInRowOrder) {
    // Cells of one width, so the sample tells the size; rows on several threads.
    auto cell = [](double x, double y, std::string& out) {
        out += NumberText(static_cast<double>(static_cast<long>(x * 31 + y) % 9000 + 1000));
        return true;
    };
    const GridPlan plan = PlanGrid({10, 5'000, 1}, {0, 9, 1});
    const std::string expected = BuildGridText(plan, cell, nullptr, 1).text;
    for (unsigned threads : {1u, 8u}) {
        RecordingSink sink;
        const GridText g = BuildGridText(plan, cell, sink, nullptr, threads);
        EXPECT_EQ(sink.text, expected);
        EXPECT_TRUE(g.text.empty());
        // Reserved once, before the first bytes, with room for all of them:
        // the text is never moved nor held twice.
        ASSERT_EQ(sink.reserved.size(), 1u);
        EXPECT_EQ(sink.appendsBeforeReserve, 0u);
        EXPECT_GE(sink.reserved.front(), expected.size());
        EXPECT_LE(sink.reserved.front(), expected.size() + expected.size() / 4);
    }
}

TEST(GridResultFile, ACancelIsSeenWithinAThousandCellsAndOnceEveryCellIsDone) {
    // Rows longer than the stride of the checks within a row.
    const GridPlan plan = PlanGrid({0, 99, 1}, {0, 2099, 1});
    std::size_t total = 0;
    auto counting = [&](double, double, std::string& out) {
        ++total;
        out += '1';
        return true;
    };
    ASSERT_FALSE(BuildGridText(plan, counting, nullptr, 1).cancelled);
    const std::size_t sample = total - plan.xs.size() * plan.ys.size();
    // Cancelled before the run, in its first cell, amid a row, and in its last
    // cell, where only the check once every cell is done can see it.
    for (std::size_t at : {std::size_t{0}, sample + 1, sample + 50 * 2100 + 700, total}) {
        RunControl control;
        if (at == 0) control.cancel();
        std::size_t calls = 0;
        auto cell = [&](double, double, std::string& out) {
            if (++calls == at) control.cancel();
            out += '1';
            return true;
        };
        const GridText g = BuildGridText(plan, cell, &control, 1);
        EXPECT_TRUE(g.cancelled) << "cancel at cell " << at;
        EXPECT_TRUE(g.text.empty());
        EXPECT_LE(calls, std::max(at, sample) + 1024) << "cancel at cell " << at;
    }
}

TEST(GridResultFile, IndexingSeesACancelAndKeepsLinesAcrossItsSlices) {
    // Lines of 7 bytes, each closed by "\r\n" but one closed by "\r" alone;
    // one "\r\n" straddles the first megabyte's end.
    std::string text;
    while (text.size() < (1u << 20) - 1) text += "x=1;2;\r\n";
    text.resize((1u << 20) - 1);
    text += "\r\nlast;\r";
    while (text.size() < (7u << 19)) text += "x=1;2;\r\n";
    const TextLines plain = ScanLines(text);
    EXPECT_EQ(plain.starts.size(),
              static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')));
    std::size_t misplaced = 0;
    for (std::size_t i = 1; i < plain.starts.size(); ++i)
        if (!endsLine(text[static_cast<std::size_t>(plain.starts[i]) - 1])) ++misplaced;
    EXPECT_EQ(misplaced, 0u);
    const auto last = static_cast<long long>(text.find("last;"));
    EXPECT_EQ(plain.starts[static_cast<std::size_t>(std::count(text.begin(), text.begin() + last, '\r'))], last);

    RunControl control;
    const TextLines checked = ScanLines(text, false, &control);
    EXPECT_EQ(checked.starts, plain.starts);
    EXPECT_EQ(checked.longest, plain.longest);
    control.cancel();
    EXPECT_THROW(ScanLines(text, false, &control), RunCancelled);
}

class WholeFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("korrimet_whole_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    static std::string read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path dir_;
};

TEST_F(WholeFile, ReplacesTheFileWithExactlyTheBytesForItsOwnerOnly) {
    const auto path = dir_ / "结果.txt";
    ASSERT_TRUE(WriteWholeFile(path.string(), "older text, longer than the new"));
    ASSERT_TRUE(WriteWholeFile(path.string(), std::string_view("a\rb\r\n\0", 6)));
    EXPECT_EQ(read(path), std::string("a\rb\r\n\0", 6));
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".part"));
}

// A folder holding anything in the way is named by its path and left as it
// is, and no older file is left; an empty folder at either name goes without a word.
TEST_F(WholeFile, AFolderInTheWayIsNamedAndNoOlderFileIsLeft) {
    const auto path = dir_ / "河二模式计算结果.txt";
    const std::filesystem::path part = path.string() + ".part";
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {part / "inside", "无法删除旧的临时文件 " + part.string() + "：这是一个文件夹，不是文件"},
        {path / "inside", "无法替换计算结果文件 " + path.string() + "：这是一个文件夹，不是文件"},
        {part, ""},
        {path, ""},
    };
    for (const auto& [folder, says] : cases) {
        std::filesystem::create_directories(folder);
        if (!std::filesystem::exists(path)) std::ofstream(path) << "earlier run";
        std::string error;
        EXPECT_EQ(WriteWholeFile(path.string(), "grid", &error), says.empty());
        EXPECT_EQ(error, says);
        EXPECT_EQ(std::filesystem::is_regular_file(path) ? read(path) : "", says.empty() ? "grid" : "");
        EXPECT_EQ(std::filesystem::is_directory(folder), !says.empty());
        EXPECT_FALSE(std::filesystem::is_regular_file(part));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directory(dir_);
    }
}

TEST(GridResultFile, AWriteThatFailsGivesItsOwnReasonNotAnEarlierOne) {
    errno = EACCES;  // left by an earlier call
    EXPECT_EQ(WriteAllBytes([](const char*, std::size_t) { return ssize_t{0}; }, "grid"),
              "系统没有写入任何字节，也没有给出原因");
    EXPECT_EQ(WriteAllBytes([](const char*, std::size_t) { return errno = ENOSPC, ssize_t{-1}; }, "grid"), "磁盘空间不足");
}

// A link at the file beside the result, then at the result: each is
// replaced, the file it leads to is neither written nor removed.
TEST_F(WholeFile, ALinkAtEitherNameIsReplacedNeverFollowed) {
    const auto path = dir_ / "河二模式计算结果.txt";
    const auto kept = dir_.parent_path() / (dir_.filename().string() + "_outside");
    std::ofstream(kept) << "not the program's";
    std::filesystem::permissions(kept, std::filesystem::perms(0644));
    const std::filesystem::path part = path.string() + ".part";
    const std::pair<std::filesystem::path, bool> cases[] = {{part, false}, {path, false}, {path, true}};
    for (const auto& [link, fails] : cases) {
        std::filesystem::create_symlink(kept, link);
        if (fails) std::filesystem::create_directories(part / "inside");  // the write cannot go there
        EXPECT_EQ(WriteWholeFile(path.string(), "grid"), !fails);
        EXPECT_FALSE(std::filesystem::is_symlink(path));
        EXPECT_EQ(read(path), fails ? "" : "grid");
        EXPECT_EQ(read(kept), "not the program's");
        EXPECT_EQ(std::filesystem::status(kept).permissions(), std::filesystem::perms(0644));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directory(dir_);
    }
    std::filesystem::remove(kept);
}

TEST_F(WholeFile, AResultFileThatCannotBeReadIsNamedBeforeAByteIsRead) {
    const auto at = dir_ / "结果.txt";
    const std::pair<std::function<bool()>, std::string> cases[] = {
        {[] { return true; }, ""},
        {[&] { return std::filesystem::create_directory(at); }, "这是一个文件夹，不是文件"},
        {[&] { return ::mkfifo(at.c_str(), 0600) == 0; }, "这不是普通文件"},
        {[&] { return ::symlink("gone", at.c_str()) == 0; }, "链接指向的文件不存在"},
        {[&] { return ::symlink("b", at.c_str()) == 0 && ::symlink(at.c_str(), (dir_ / "b").c_str()) == 0; },
         "符号链接层数过多（可能是链接循环）"},
        {[&] { return std::ofstream(at) && ::truncate(at.c_str(), off_t{1} << 40) == 0; },
         "文件有1024GB，远大于本程序写出的任何计算结果文件（至多64MB），不予读取"},
    };
    for (const auto& [make, reason] : cases) {
        ASSERT_TRUE(make()) << reason;
        const ResultFileOpen open = OpenResultFile(at.string());
        EXPECT_EQ(open.problem, reason.empty() ? "" : "无法读取计算结果文件（" + reason + "）");
        EXPECT_EQ(open.status, reason.empty() ? ResultFileOpen::Status::Missing : ResultFileOpen::Status::Unreadable);
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) std::filesystem::remove(entry.path());
    }
    // The limit quoted is the one given.
    ASSERT_TRUE(std::ofstream(at) && ::truncate(at.c_str(), (4 << 20) + 1) == 0);
    EXPECT_EQ(OpenResultFile(at.string(), 1 << 20).problem,
              "无法读取计算结果文件（文件有4MB，远大于本程序写出的任何计算结果文件（至多1MB），不予读取）");
}

// Cancelled from its n-th look on.
struct CancelAtLook : RunControl {
    explicit CancelAtLook(int look) : left(look) {}
    bool cancelled() const override { return --left <= 0; }
    mutable std::atomic<int> left;
};

// Reads `fd` to its end, cancelling the write once `cancelAfter` bytes have
// come through; returns how many came.
std::size_t drainAndCancel(int fd, std::size_t cancelAfter, RunControl& control) {
    std::vector<char> buffer(1 << 16);
    std::size_t through = 0;
    for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
        if ((through += static_cast<std::size_t>(n)) >= cancelAfter) control.cancel();
    return through;
}

TEST_F(WholeFile, ACancelBeforeOrDuringTheWriteLeavesNoFileAndNoOlderOne) {
    const auto path = dir_ / "结果.txt";
    std::string bytes;
    while (bytes.size() < (7u << 19)) bytes += "x=" + std::to_string(bytes.size()) + ";\r";
    bytes.resize(7u << 19);

    // Before the write, before the second of its four megabytes, and once
    // the file is in place.
    for (int look : {1, 2, 6}) {
        ASSERT_TRUE(WriteWholeFile(path.string(), "an earlier run's file"));
        std::ofstream(path.string() + ".part") << "a stale one";
        CancelAtLook control(look);
        EXPECT_THROW(WriteWholeFile(path.string(), bytes, nullptr, &control), RunCancelled);
        EXPECT_TRUE(std::filesystem::is_empty(dir_)) << "cancel at look " << look;
    }

    // Amid the second megabyte: the write stops before its third. With all
    // but the last 200 kB through (a pipe holds 64 kB), the write is in its
    // last megabyte: only the check after it is left.
    const std::pair<std::size_t, std::size_t> cases[] = {{3u << 19, 2u << 20}, {bytes.size() - (200u << 10), bytes.size()}};
    for (const auto& [cancelAfter, written] : cases) {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        RunControl control;
        std::size_t through = 0;
        std::thread reader([&] { through = drainAndCancel(pipe[0], cancelAfter, control); });
        EXPECT_THROW(WriteAllBytes(pipe[1], bytes, &control), RunCancelled);
        ::close(pipe[1]);
        reader.join();
        ::close(pipe[0]);
        EXPECT_EQ(through, written) << "cancel after " << cancelAfter;
    }

    RunControl control;
    ASSERT_TRUE(WriteWholeFile(path.string(), bytes, nullptr, &control));
    EXPECT_EQ(read(path), bytes);
}

}  // namespace
}  // namespace korrimet

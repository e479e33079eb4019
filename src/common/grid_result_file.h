#pragma once
#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet {

class RunControl;

// One loop of a grid run. Bound and step are fixed when the loop starts; the
// value begins at `first` and grows by adding the step, so a fractional step
// accumulates its rounding. It runs while the value is not beyond the bound
// (not above it for a step of 0 or more, not below it for a negative step).
struct GridLoop {
    double first = 0;
    double bound = 0;
    double step = 0;
};

// What a grid run may produce: a file of at most `fileBytes`, whose widest
// line holds at most `rowCells` cells. Beyond that the file is no table
// anyone can use and the result window could not hold it.
struct GridLimits {
    std::size_t fileBytes = 64u << 20;
    std::size_t rowCells = 20'000;
};
// A cell's text and its ";" as a run counts it in advance: the masks give
// seven to ten characters.
inline constexpr std::size_t kGridCellBytes = 10;

// The values of one loop, or why it cannot run: a step of 0 whose first value
// lies within the range never ends; more than `limit` values are too many.
struct LoopPlan {
    enum class Status { Ready, Endless, TooLarge };
    Status status = Status::Ready;
    std::vector<double> values;  // empty unless Ready
};
LoopPlan PlanLoop(const GridLoop& loop, std::size_t limit);

struct GridPlan {
    // TooLarge: the file would pass its limit; TooWide: a row would.
    enum class Status { Ready, EndlessX, EndlessY, TooLarge, TooWide };
    Status status = Status::Ready;
    std::vector<double> xs;  // row values, in loop order
    std::vector<double> ys;  // column values, in loop order
    GridLimits limits;
};

// The loop values of both axes, or the reason the run must be refused: a step
// of 0 whose first value lies within the range never ends, and a grid whose
// file, counted at kGridCellBytes a cell, or whose row passes its limit is
// refused before anything is computed.
GridPlan PlanGrid(const GridLoop& x, const GridLoop& y, const GridLimits& limits = {});

// Appends the text of cell (x, y), without its ";", and returns false when one
// of its statements failed. It is called from several threads at once, so it
// keeps no state between calls.
using GridCell = std::function<bool(double x, double y, std::string& out)>;

struct GridText {
    std::string text;
    // The file would pass its limit: found from a sample of cells before the
    // work, or the moment the text passed it. `text` is empty.
    bool tooLarge = false;
    // The control cancelled the run; `text` is empty.
    bool cancelled = false;
    std::size_t failedCells = 0;
    double firstFailedX = 0, firstFailedY = 0;
};

// Where a grid's text goes as its rows are done, in order: one buffer of the
// caller's, reserved once, so the text is never held twice.
class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void reserve(std::size_t bytes) = 0;
    virtual void append(std::string_view bytes) = 0;
};

// The whole file text: "X=\c/Y=;", a "y=" cell per column, a carriage return,
// then per row "x=" and its cells, each closed by ";", and a carriage return;
// the text ends with a carriage return and line feed. x and y are written in
// their default double text. Rows run `threads` at a time; each run of rows
// goes to the text as soon as those before it are there, so the text is the
// same whatever the count. `control`, when given, is told the x of the row
// that ends the rows done so far (in loop order) and checked for a cancel
// between rows and within long ones.
GridText BuildGridText(const GridPlan& plan, const GridCell& cell, RunControl* control = nullptr,
                       unsigned threads = 1);
// The same, the text going to `sink` (GridText::text stays empty); when the
// run is cancelled or too large, what the sink holds is no result.
GridText BuildGridText(const GridPlan& plan, const GridCell& cell, TextSink& sink, RunControl* control = nullptr,
                       unsigned threads = 1);

// Writes the bytes to a file beside `path` and renames it over `path`, so the
// file is whole or absent: when the write fails, an older file at `path` is
// removed too, so it cannot be taken for the new result. The file beside is
// made afresh, whatever stood at its name (a link, a pipe, an empty folder),
// and a link at `path` is replaced, not followed: nothing outside the folder
// is written or removed, and no folder holding anything. The file is
// readable by its owner only. Returns false with a reason in `error` (in the
// user's words, naming the path of what was in the way). `control`, when
// given, is checked as each megabyte is written and once the file is in
// place: a cancel leaves no file at `path` nor beside it and throws
// RunCancelled.
bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string* error = nullptr,
                    const RunControl* control = nullptr);

// Writes up to `size` bytes as ::write does: how many it wrote, or -1 with errno set.
using ByteWriter = std::function<ssize_t(const char* data, std::size_t size)>;

// Writes all the bytes a megabyte at a time, checking `control` before each
// and after the last: a cancel throws RunCancelled. Empty when every byte
// went; otherwise why not, in the user's words.
std::string WriteAllBytes(const ByteWriter& write, std::string_view bytes, const RunControl* control = nullptr);
// The same to `fd`.
std::string WriteAllBytes(int fd, std::string_view bytes, const RunControl* control = nullptr);

}  // namespace korrimet

#include "common/grid_result_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/number_text.h"

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

GridText BuildGridText(const GridPlan& plan, const GridCell& cell, const GridRowDone& rowDone) {
    GridText result;
    std::string& text = result.text;
    text.reserve(std::min(plan.limits.fileBytes,
                          16 + plan.ys.size() * 8 + plan.xs.size() * (12 + plan.ys.size() * kGridCellBytes)));
    text += "X=\\c/Y=;";
    for (double y : plan.ys) {
        text += "y=";
        appendDefaultText(text, y);
        text += ';';
    }
    text += '\r';
    for (double x : plan.xs) {
        text += "x=";
        appendDefaultText(text, x);
        text += ';';
        for (double y : plan.ys) {
            if (!cell(x, y, text)) {
                if (result.failedCells == 0) {
                    result.firstFailedX = x;
                    result.firstFailedY = y;
                }
                ++result.failedCells;
            }
            text += ';';
        }
        text += '\r';
        if (text.size() > plan.limits.fileBytes) {
            result = GridText{};
            result.tooLarge = true;
            return result;
        }
        if (rowDone) rowDone(x);
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

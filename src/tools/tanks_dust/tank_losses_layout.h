#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::tanks {

// What the tank-loss window shows per tank type, kept as a text table
// (data/tank_losses_layout.txt). Every array holds one entry per type, in
// the order of TankType.
template <class T>
using PerType = std::array<T, 3>;

struct LayoutRow {
    char frame = 'W';  // 'W' working loss, 'B' breathing loss
    int label = 0, box = 0;
    std::string atLoad;
    PerType<std::optional<std::string>> caption;  // none: the type leaves it as it is
    PerType<bool> shown{};
};

// Texts that a numbered control takes per type: result captions, the
// meanings of the breathing boxes.
struct TypeTexts {
    int number = 0;
    PerType<std::string> of;
};

struct BoxTip {
    int box = 0;
    std::optional<std::string> atLoad;
    PerType<std::optional<std::string>> of;  // none: left as it is
};

// A double-click shows a message, opens a coefficient table, or does nothing.
struct BoxHelp {
    int box = 0;
    PerType<std::string> message, table;
};

struct TankLossLayout {
    std::vector<LayoutRow> rows;  // top to bottom in each frame
    std::vector<TypeTexts> results;
    std::vector<TypeTexts> meanings;  // in the order a switch clears them
    std::vector<BoxTip> tips;
    std::vector<BoxHelp> help;
    std::string note;
};

// Throws TableFormatError on a record it cannot read.
TankLossLayout LoadTankLossLayout(std::string_view text);

// A stored caption pads its name with blanks so that the symbol and unit
// stand against the box; the glyphs are not of one width, so the window
// shows the two as the cells of a table row instead.
struct CaptionCells {
    std::string name, symbol;  // symbol and unit, may be empty
};
// The name ends with its last Chinese character; the colon goes. What
// follows without a letter or a bracket stays with the name.
CaptionCells SplitCaption(std::string_view padded);

}  // namespace korrimet::tanks

#pragma once
#include <fstream>
#include <stdexcept>
#include <string>

#include "tools/air_emission/factor_table.h"

namespace korrimet::air_emission {

// A factor table as compiled into the program, read from the source tree.
inline FactorTable storedTable(const std::string& file) {
    std::string root = KORRIMET_TEST_DATA;  // <source>/tests/data
    root.erase(root.rfind("/tests/data"));
    std::ifstream in(root + "/src/tools/air_emission/data/" + file);
    if (!in) throw std::runtime_error("no table " + file);
    return FactorTable::Parse(in);
}

}  // namespace korrimet::air_emission

#pragma once
#include <fstream>
#include <sstream>
#include <string>

namespace korrimet::water::test {

// A data file of the water tools as the program compiles it in.
inline std::string waterData(const std::string& name) {
    std::ifstream in(std::string(KORRIMET_TEST_DATA) + "/../../src/tools/water/data/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace korrimet::water::test

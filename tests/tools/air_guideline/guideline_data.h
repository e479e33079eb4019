#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace korrimet::air_guideline::test {

// The text of one of the tables the windows compile in; empty when missing.
inline std::string guidelineTable(const std::string& name) {
    const std::filesystem::path root = std::filesystem::path(__FILE__).parent_path() / "../../..";
    std::ifstream in(root / "src/tools/air_guideline/data" / name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace korrimet::air_guideline::test

#include "common/result_file_read.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace korrimet {
namespace {

namespace fs = std::filesystem;

class ResultFileRead : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("korrimet_result_read_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(ResultFileRead, WhatCannotBeReadIsNamedBeforeAnyByteIsRead) {
    const fs::path at = dir_ / "结果.txt";
    const std::string huge = "无法读取计算结果文件（文件有1024GB，远大于本程序写出的任何计算结果文件（至多64MB），不予读取）";
    auto sparse = [](const fs::path& p) {
        std::ofstream{p};
        return ::truncate(p.c_str(), off_t{1} << 40) == 0;
    };
    const struct {
        const char* what;
        std::function<bool()> make;
        std::string says;  // empty: no file, nothing said
    } cases[] = {
        {"nothing there", [] { return true; }, ""},
        {"folder", [&] { return fs::create_directory(at); }, "无法读取计算结果文件（这是一个文件夹，不是文件）"},
        {"pipe", [&] { return ::mkfifo(at.c_str(), 0600) == 0; }, "无法读取计算结果文件（这不是普通文件）"},
        {"link to nothing", [&] { return ::symlink("gone.txt", at.c_str()) == 0; },
         "无法读取计算结果文件（链接指向的文件不存在）"},
        {"loop of links",
         [&] { return ::symlink("b", at.c_str()) == 0 && ::symlink(at.c_str(), (dir_ / "b").c_str()) == 0; },
         "无法读取计算结果文件（符号链接层数过多（可能是链接循环））"},
        {"sparse 1 TiB", [&] { return sparse(at); }, huge},
        {"link to a sparse 1 TiB", [&] { return sparse(dir_ / "big") && ::symlink("big", at.c_str()) == 0; }, huge},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.make()) << c.what;
        const ResultFileOpen open = OpenResultFile(at.string());
        EXPECT_EQ(open.status, c.says.empty() ? ResultFileOpen::Status::Missing : ResultFileOpen::Status::Unreadable)
            << c.what;
        EXPECT_EQ(open.problem, c.says) << c.what;
        EXPECT_EQ(open.fd, -1) << c.what;
        for (const auto& entry : fs::directory_iterator(dir_)) fs::remove(entry.path());
    }
}

TEST_F(ResultFileRead, AFileIsReadWholeOrSaidToBeCutShort) {
    const fs::path at = dir_ / "结果.txt";
    std::ofstream(at, std::ios::binary) << "x=1;2;\r";
    ::symlink("结果.txt", (dir_ / "link").c_str());
    for (const fs::path& p : {at, dir_ / "link"}) {
        const ResultFileOpen open = OpenResultFile(p.string());
        ASSERT_EQ(open.status, ResultFileOpen::Status::Open);
        ASSERT_EQ(open.size, 7u);
        std::string bytes(8, '?');
        EXPECT_EQ(ReadResultBytes(open.fd, bytes.data(), 7), "");
        EXPECT_EQ(bytes, "x=1;2;\r?");
        ::lseek(open.fd, 0, SEEK_SET);
        EXPECT_EQ(ReadResultBytes(open.fd, bytes.data(), 8),
                  "计算结果文件在读取时被截短（不完整的结果不予显示，请重新计算）");
        ::close(open.fd);
    }
    // At the limit it is read; a byte beyond, refused.
    const ResultFileOpen atLimit = OpenResultFile(at.string(), 7);
    EXPECT_EQ(atLimit.status, ResultFileOpen::Status::Open);
    ::close(atLimit.fd);
    EXPECT_EQ(OpenResultFile(at.string(), 6).status, ResultFileOpen::Status::Unreadable);
}

}  // namespace
}  // namespace korrimet

// A fresh settings directory per test, pointed to by VELKARO_CONFIG_DIR.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ConfigDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (std::filesystem::temp_directory_path() / "velkaro-cfg-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir = tmpl;
        setenv("VELKARO_CONFIG_DIR", dir.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("VELKARO_CONFIG_DIR");
        std::filesystem::remove_all(dir);
    }
    void Put(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string Get(const std::string& name) {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::filesystem::path dir;
};

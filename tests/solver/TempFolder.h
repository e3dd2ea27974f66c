#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace pintu::solver::test {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the test is done.
class TempFolder {
public:
    TempFolder()
        : folder(std::filesystem::temp_directory_path()
                 / ("pintu-solver-test-" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(folder);
    }
    ~TempFolder() { std::filesystem::remove_all(folder); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
};

} // namespace pintu::solver::test

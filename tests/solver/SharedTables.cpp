#include "tests/solver/SharedTables.h"

#include "solver/patterns/PatternStore.h"

#include <stdexcept>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pintu::solver::test {

namespace {

// Held while the tables are checked or built, so that two test processes
// never build them at the same time.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder)
        : fd(::open((folder / ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644))
    {
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            throw std::runtime_error("cannot lock " + folder.string());
    }
    ~FolderLock() { ::close(fd); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd;
};

struct Shared {
    Shared() : folder(PINTU_SOLVER_TEST_TABLES), store((std::filesystem::create_directories(folder), folder))
    {
        const FolderLock lock(folder);
        heuristic = store.tablesFor(PatternSet::FourByFour, {}).heuristic;
    }

    std::filesystem::path folder;
    PatternStore store;
    const PatternHeuristic* heuristic = nullptr;
};

Shared& shared()
{
    static Shared tables;
    return tables;
}

} // namespace

const std::filesystem::path& sharedTableFolder()
{
    return shared().folder;
}

const PatternHeuristic& sharedFourByFour()
{
    return *shared().heuristic;
}

const PatternHeuristic& sharedFiveByFive()
{
    static const PatternHeuristic* heuristic = [] {
        const FolderLock lock(shared().folder);
        return shared().store.tablesFor(PatternSet::FiveByFive, {}).heuristic;
    }();
    return *heuristic;
}

void copySharedTables(const std::filesystem::path& to)
{
    for (const auto& entry : std::filesystem::directory_iterator(sharedTableFolder())) {
        if (entry.path().extension() == ".pdb")
            std::filesystem::copy_file(entry.path(), to / entry.path().filename());
    }
}

} // namespace pintu::solver::test

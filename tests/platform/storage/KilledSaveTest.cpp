// A process that writes a large compound file or a large settings file is
// killed at random moments. The old file must stay whole every time, and the
// next save that succeeds must leave no temporary file behind.
#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"
#include "platform/storage/CCompoundFile.h"
#include "platform/storage/CSettingsStore.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kKills = 50;

// The content of one generation: its number in the first four bytes, then a
// pattern that depends on it, so that any mix of two generations shows.
std::vector<std::uint8_t> generation(std::uint32_t number, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::memcpy(bytes.data(), &number, sizeof number);
    std::uint32_t x = number * 2654435761u + 1;
    for (std::size_t i = sizeof number; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        bytes[i] = static_cast<std::uint8_t>(x >> 24);
    }
    return bytes;
}

std::vector<std::string> temporariesIn(const std::filesystem::path& dir, const std::string& target) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("." + target + ".", 0) == 0) names.push_back(name);
    }
    return names;
}

struct KillRun {
    int kills = 0;
    int generationsSeen = 0;
    std::size_t temporariesLeft = 0;
};

// Starts a child that saves generation after generation (each child from its
// own first number on) and kills it after a random wait of up to twice a
// save's time; check reads the file back after each kill. Half of the children
// write through unnamed temporaries, half through named ones.
KillRun killWhileSaving(const std::filesystem::path& dir, const std::string& target,
                        const std::function<void(std::uint32_t)>& save,
                        const std::function<std::uint32_t()>& check) {
    // The second save reads the file the first one wrote, as every child's does.
    save(0);
    const auto started = std::chrono::steady_clock::now();
    save(0);
    const auto saveTime = std::chrono::steady_clock::now() - started;
    std::mt19937 random(20261210);
    std::uniform_int_distribution<long long> wait(
        0, 2 * std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count() + 200);
    KillRun run;
    std::uint32_t last = 0;
    for (int round = 0; round < kKills; ++round) {
        const std::uint32_t first = 1000u * static_cast<std::uint32_t>(round + 1);
        const bool unnamed = round % 2 == 0;
        const pid_t child = ::fork();
        if (child == 0) {
            fileio::useUnnamedTemporaries(unnamed);
            for (std::uint32_t number = first;; ++number)
                save(number);
        }
        EXPECT_GT(child, 0);
        if (child <= 0) break;
        std::this_thread::sleep_for(std::chrono::microseconds(wait(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the child ended on its own while saving: " << status;
        ++run.kills;
        const std::uint32_t seen = check();
        EXPECT_TRUE(seen == last || (seen >= first && seen < first + 1000))
            << "round " << round << ": " << seen;
        if (seen != last) ++run.generationsSeen;
        last = seen;
        if (::testing::Test::HasFailure()) break;
    }
    run.temporariesLeft = temporariesIn(dir, target).size();
    save(999999);
    EXPECT_EQ(check(), 999999u);
    EXPECT_EQ(temporariesIn(dir, target), std::vector<std::string>{}) << "after the next successful save";
    return run;
}

void report(const KillRun& run) {
    ::testing::Test::RecordProperty("kills", run.kills);
    ::testing::Test::RecordProperty("generations_seen", run.generationsSeen);
    ::testing::Test::RecordProperty("temporaries_left_by_kills", static_cast<int>(run.temporariesLeft));
}

} // namespace

TEST(KilledSave, ACompoundFileKilledWhileSavingKeepsAWholeFileAndLeavesNoTemporary) {
    TempFolder dir;
    const auto path = dir / "frame.oxs";
    constexpr std::size_t size = 3 << 20;
    auto save = [&](std::uint32_t number) {
        CCompoundFile file;
        auto sub = file.Root().CreateStorage("Strakon");
        sub->CreateStream("Contents")->SetData(generation(number, size));
        sub->Commit();
        file.CommitAs(path);
    };
    auto check = [&]() -> std::uint32_t {
        CCompoundFile file(path);
        const auto data = file.Root().OpenStorage("Strakon")->OpenStream("Contents")->GetData();
        std::uint32_t number = 0;
        if (data.size() >= sizeof number) std::memcpy(&number, data.data(), sizeof number);
        EXPECT_EQ(data, generation(number, size)) << "generation " << number << " is torn";
        return number;
    };
    report(killWhileSaving(dir.path(), "frame.oxs", save, check));
}

TEST(KilledSave, ASettingsFileKilledWhileSavingKeepsAWholeFileAndLeavesNoTemporary) {
    TempFolder dir;
    // Few values of some size, so that a save spends its time writing the file.
    constexpr int values = 200;
    const char* key = "Software\\Orvex\\Strakon\\Large";
    auto valueOf = [](std::uint32_t number, int i) {
        return CSettingsStore::Value::String(std::to_string(number) + "/" + std::to_string(i) + "/" +
                                             std::string(1000, static_cast<char>('a' + i % 26)));
    };
    auto save = [&](std::uint32_t number) {
        CSettingsStore store(dir.path());
        for (int i = 0; i < values; ++i)
            store.SetValue(key, "Value " + std::to_string(i), valueOf(number, i));
        ASSERT_TRUE(store.Flush()) << store.GetLastError();
    };
    auto check = [&]() -> std::uint32_t {
        CSettingsStore store(dir.path());
        const auto first = store.QueryValue(key, "Value 0");
        EXPECT_TRUE(first.has_value());
        if (!first) return 0;
        const std::string firstText(first->data.begin(), first->data.end());
        const std::uint32_t number = static_cast<std::uint32_t>(std::stoul(firstText));
        int whole = 0;
        for (int i = 0; i < values; ++i)
            whole += store.QueryValue(key, "Value " + std::to_string(i)) == valueOf(number, i);
        EXPECT_EQ(whole, values) << "generation " << number << " is torn";
        EXPECT_FALSE(store.HasPendingChanges());
        return number;
    };
    report(killWhileSaving(dir.path(), CSettingsStore::kFileName, save, check));
}

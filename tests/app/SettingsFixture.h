#pragma once
// Each settings test works on a store of its own, and no settings object
// survives from one test to the next.
#include "app/report/AOutputAttributes.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/ARegistry.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "platform/storage/CSettingsStore.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class SettingsFixture : public ::testing::Test {
protected:
    void SetUp() override { CSettingsStore::Instance().SetFolder(dir.path()); }
    void TearDown() override {
        releaseAll();
        CSettingsStore::Instance().Flush();
    }
    static void releaseAll() {
        AUnitKeyAttributes::Release();
        ADrawAttributes::Release();
        AOptionsAttributes::Release();
        AOutputAttributes::Release();
    }
    // Reads the settings file anew, as the next run of the program does.
    void restart() {
        releaseAll();
        TempFolder elsewhere;
        CSettingsStore::Instance().SetFolder(elsewhere.path());
        CSettingsStore::Instance().SetFolder(dir.path());
    }
    // The names of the values of a key, as the store holds them.
    static std::vector<std::string> valueNames(const char* key) {
        ARegistry reg;
        std::vector<std::string> names;
        if (!reg.Connect(HKEY_CURRENT_USER) || !reg.Open(key, KEY_ALL_ACCESS)) return names;
        CString name;
        DWORD type = 0;
        for (DWORD i = 0; reg.EnumerateValues(i, name, type); ++i)
            names.push_back(name);
        return names;
    }
    // Opens (or creates) a key to write test values into.
    static void write(const char* key, const std::function<void(ARegistry&)>& fill) {
        ARegistry reg;
        ASSERT_TRUE(reg.OpenOrCreate(key));
        fill(reg);
    }

    TempFolder dir;
};

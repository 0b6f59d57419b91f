#pragma once
// Helpers of the model tests: the codes and arguments the error container
// holds, and a fixture that starts and ends every test with an empty container.
// (CapturedLog.h captures the calculation log.)
#include "CapturedLog.h"
#include "common/omErrorContainer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace modeltest {

inline std::vector<unsigned> errorCodes() {
    std::vector<unsigned> codes;
    for (const omErrorEntry& e : omErrorContainer::instance()->errors())
        codes.push_back(e.code);
    return codes;
}

inline std::vector<std::string> errorArguments(size_t k) {
    std::vector<std::string> texts;
    const auto errors = omErrorContainer::instance()->errors();
    if (k < errors.size())
        for (const omErrorArgument& a : errors[k].arguments)
            texts.push_back(omErrorArgumentText(a));
    return texts;
}

// Resets the error container around every test.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override { omErrorContainer::instance()->reset(); }
    void TearDown() override { omErrorContainer::instance()->reset(); }
};

} // namespace modeltest

#include "app/report/AReportProgress.h"

#include <utility>

namespace {
std::function<void()>& registered() {
    static std::function<void()> step;
    return step;
}
} // namespace

void SetReportProgress(std::function<void()> step) { registered() = std::move(step); }

void StepReportProgress() {
    if (registered()) registered()();
}

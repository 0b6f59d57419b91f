#pragma once
// The progress of a report build. The builder steps once per finished part;
// the application registers the function that advances its progress bar (and
// paces it), so a build without a bar steps into nothing.
#include <functional>

// Replaces the registered function; an empty one unregisters it.
void SetReportProgress(std::function<void()> step);
// Calls the registered function, if any.
void StepReportProgress();

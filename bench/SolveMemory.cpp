// Peak memory of the Solve road of one multi-storey frame (tests/model/StoreyFrame.h),
// in a process of its own:
//
//   build/bin/solve_memory [storeys bays [linear|Quentra|Dravik]]     (default 100 20 linear)
//
// Prints the resident set before the road (the model built) and its peak after
// it, and the memory the stiffness matrix keeps.
#include "tests/model/SolveRoad.h"
#include "tests/model/StoreyFrame.h"

#include "common/omErrorContainer.h"
#include "model/omStiffnessMatrix.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>

namespace {
// The peak resident set of the process so far, in MB.
double peakMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}
} // namespace

int main(int argc, char** argv) {
    const int storeys = argc > 1 ? std::atoi(argv[1]) : 100;
    const int bays = argc > 2 ? std::atoi(argv[2]) : 20;
    storeyframe::Members kind = storeyframe::Members::linear;
    if (argc > 3) {
        if (std::strcmp(argv[3], "Quentra") == 0) kind = storeyframe::Members::quentra;
        if (std::strcmp(argv[3], "Dravik") == 0) kind = storeyframe::Members::dravik;
    }
    std::unique_ptr<omStrakon> s = storeyframe::build(storeys, bays, kind, true);
    const double before = peakMB();
    const bool solved = solveroad::run(*s);
    const double after = peakMB();
    const omStiffnessMatrix* K = s->getStiffnessMatrix();
    const double matrixMB = K ? K->storedSize() * sizeof(double) / (1024.0 * 1024.0) : 0.0;
    std::printf("%dx%d %s: %s, %u equations, peak before the road %.1f MB, after %.1f MB, matrix %.1f MB\n",
                storeys, bays, storeyframe::name(kind), solved ? "solved" : "NOT solved", s->numOfDof(),
                before, after, matrixMB);
    if (!solved) omErrorContainer::instance()->process(std::cout);
    return solved ? 0 : 1;
}

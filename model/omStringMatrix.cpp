#include "model/omStringMatrix.h"

#include "model/omIndexCheck.h"

namespace {
// Cleared on every hand-out: a caller may have written into it through the
// writable At, and that text must not appear as the content of another cell.
std::string& sharedEmpty() {
    return omScratch<std::string>();
}
} // namespace

omStringMatrix::~omStringMatrix() = default;

void omStringMatrix::Resize(int rows, int cols) {
    if (rows <= 0) {
        m_rows.clear();
        return;
    }
    m_rows.resize(static_cast<std::size_t>(rows));
    for (auto& row : m_rows)
        row.resize(static_cast<std::size_t>(cols < 0 ? 0 : cols));
}

const std::string& omStringMatrix::At(int row, int col) const {
    if (row < 0 || col < 0 || static_cast<std::size_t>(row) >= m_rows.size()) return sharedEmpty();
    const auto& cells = m_rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(col) >= cells.size()) return sharedEmpty();
    return cells[static_cast<std::size_t>(col)];
}

std::string& omStringMatrix::At(int row, int col) {
    if (row < 0 || col < 0 || static_cast<std::size_t>(row) >= m_rows.size()) return sharedEmpty();
    auto& cells = m_rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(col) >= cells.size()) return sharedEmpty();
    return cells[static_cast<std::size_t>(col)];
}

#pragma once
// A table of texts: the form in which the reinforcement dialogs hand rows of
// bars and lists of stirrups to the model and take them back.
#include <string>
#include <vector>

class omStringMatrix {
public:
    omStringMatrix() = default;
    omStringMatrix(const omStringMatrix& other) = default;
    omStringMatrix& operator=(const omStringMatrix& other) = default;
    virtual ~omStringMatrix();

    // 0 rows (or fewer) removes every row. Otherwise the table gets exactly rows
    // rows and every row exactly cols cells; new cells are empty, cells that stay
    // keep their text.
    void Resize(int rows, int cols);
    void Clear() { Resize(0, 0); }
    void Copy(const omStringMatrix& other) { *this = other; }

    // A cell outside the table (no rows, an empty row, or an index beyond the
    // row) gives one shared empty text instead, cleared on every call: a write
    // into it is lost and never shows up as the text of another cell.
    const std::string& At(int row, int col) const;
    std::string& At(int row, int col);
    const std::string& operator()(int row, int col) const { return At(row, col); }
    std::string& operator()(int row, int col) { return At(row, col); }

    int GetRows() const { return static_cast<int>(m_rows.size()); }
    // The cells of row 0; 0 without rows.
    int GetCols() const { return m_rows.empty() ? 0 : static_cast<int>(m_rows.front().size()); }
    bool IsEmpty() const { return m_rows.empty(); }

private:
    std::vector<std::vector<std::string>> m_rows;
};

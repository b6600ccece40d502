// SharedTable: a rectangular table of values addressed by row and column, checked on every read.
#pragma once

#include <stdexcept>
#include <vector>

// A rectangular table addressed as Table(row, column), created in a tool's own
// shape when its window opens and released when it closes. Reading outside the
// table (or a released table) throws std::out_of_range, never reads garbage.
template <class T>
class SharedTable {
  public:
    void create(int rows, int cols) {
        rows_ = rows;
        cols_ = cols;
        cells_.assign(static_cast<size_t>(rows) * static_cast<size_t>(cols), T());
    }
    void release() {
        rows_ = cols_ = 0;
        cells_.clear();
        cells_.shrink_to_fit();
    }
    bool created() const { return rows_ > 0; }
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    T& operator()(int row, int col) { return cells_[index(row, col)]; }
    const T& operator()(int row, int col) const { return cells_[index(row, col)]; }

  private:
    size_t index(int row, int col) const {
        if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
            throw std::out_of_range("table index out of range");
        return static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col);
    }
    int rows_ = 0, cols_ = 0;
    std::vector<T> cells_;
};

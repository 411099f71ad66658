#pragma once
// A small dense matrix of Doubles for the stability numerics: at most 11 x 11
// (one row and column per present gas), stored inline so that the searches
// that form thousands of them never allocate.

#include <algorithm>
#include <array>
#include <cassert>

namespace Globals {

class Matrix {
 public:
  static constexpr int MaxOrder = 11;

  Matrix() = default;
  // Every element starts at 0. Sizes outside 0 .. MaxOrder are clamped.
  Matrix(int rows, int cols)
      : rows_(std::clamp(rows, 0, MaxOrder)), cols_(std::clamp(cols, 0, MaxOrder)) {
    assert(rows == rows_ && cols == cols_);
  }

  int rows() const { return rows_; }
  int cols() const { return cols_; }

  double& operator()(int row, int col) {
    assert(row >= 0 && row < rows_ && col >= 0 && col < cols_);
    return data_[static_cast<std::size_t>(row * MaxOrder + col)];
  }
  double operator()(int row, int col) const {
    assert(row >= 0 && row < rows_ && col >= 0 && col < cols_);
    return data_[static_cast<std::size_t>(row * MaxOrder + col)];
  }

  // The elements row by row, MaxOrder to a row whatever the size.
  double* Data() { return data_.data(); }
  const double* Data() const { return data_.data(); }

 private:
  int rows_ = 0;
  int cols_ = 0;
  std::array<double, MaxOrder * MaxOrder> data_{};
};

}  // namespace Globals

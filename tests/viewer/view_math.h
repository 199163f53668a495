// Plain 4 x 4 matrix arithmetic, column by column as OpenGL stores it, so the
// tests can say where a point should appear without asking OpenGL.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace viewmath {

// Element (row, column) at [column * 4 + row].
struct Matrix {
  std::array<double, 16> elements{};
  double& operator[](int i) { return elements[static_cast<std::size_t>(i)]; }
  double operator[](int i) const { return elements[static_cast<std::size_t>(i)]; }
  double* data() { return elements.data(); }
};

struct Vector {
  std::array<double, 4> elements{};
  double& operator[](int i) { return elements[static_cast<std::size_t>(i)]; }
  double operator[](int i) const { return elements[static_cast<std::size_t>(i)]; }
};

constexpr double kPi = 3.14159265358979323846;

inline Matrix identity() {
  return {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
}

inline double& at(Matrix& m, int row, int column) {
  return m[column * 4 + row];
}
inline double at(const Matrix& m, int row, int column) {
  return m[column * 4 + row];
}

inline Matrix operator*(const Matrix& a, const Matrix& b) {
  Matrix product{};
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 4; ++column)
      for (int k = 0; k < 4; ++k) at(product, row, column) += at(a, row, k) * at(b, k, column);
  return product;
}

inline Vector operator*(const Matrix& m, const Vector& v) {
  Vector result{};
  for (int row = 0; row < 4; ++row)
    for (int k = 0; k < 4; ++k) result[row] += at(m, row, k) * v[k];
  return result;
}

inline Matrix translation(double x, double y, double z) {
  Matrix m = identity();
  at(m, 0, 3) = x;
  at(m, 1, 3) = y;
  at(m, 2, 3) = z;
  return m;
}

inline Matrix scaling(double s) {
  Matrix m = identity();
  at(m, 0, 0) = at(m, 1, 1) = at(m, 2, 2) = s;
  return m;
}

inline Matrix rotationZ(double degrees) {
  const double a = degrees * kPi / 180.0;
  Matrix m = identity();
  at(m, 0, 0) = std::cos(a);
  at(m, 0, 1) = -std::sin(a);
  at(m, 1, 0) = std::sin(a);
  at(m, 1, 1) = std::cos(a);
  return m;
}

// The perspective of gluPerspective: vertical field in degrees.
inline Matrix perspective(double fieldOfView, double aspect, double near, double far) {
  const double f = 1.0 / std::tan(fieldOfView * kPi / 360.0);
  Matrix m{};
  at(m, 0, 0) = f / aspect;
  at(m, 1, 1) = f;
  at(m, 2, 2) = (far + near) / (near - far);
  at(m, 2, 3) = 2.0 * far * near / (near - far);
  at(m, 3, 2) = -1.0;
  return m;
}

// Gauss-Jordan elimination with partial pivoting.
inline Matrix inverse(Matrix m) {
  Matrix result = identity();
  for (int column = 0; column < 4; ++column) {
    int pivot = column;
    for (int row = column + 1; row < 4; ++row)
      if (std::fabs(at(m, row, column)) > std::fabs(at(m, pivot, column))) pivot = row;
    for (int k = 0; k < 4; ++k) {
      std::swap(at(m, column, k), at(m, pivot, k));
      std::swap(at(result, column, k), at(result, pivot, k));
    }
    const double scale = at(m, column, column);
    for (int k = 0; k < 4; ++k) {
      at(m, column, k) /= scale;
      at(result, column, k) /= scale;
    }
    for (int row = 0; row < 4; ++row) {
      if (row == column) continue;
      const double factor = at(m, row, column);
      for (int k = 0; k < 4; ++k) {
        at(m, row, k) -= factor * at(m, column, k);
        at(result, row, k) -= factor * at(result, column, k);
      }
    }
  }
  return result;
}

// Where a point of the scene appears in a window of the given size under the
// combined matrix: x from the left, y from the top, in pixels.
struct WindowPosition {
  double x;
  double y;
  bool inFront;  // false for a point behind the camera
};

inline WindowPosition windowPosition(const Matrix& combined, double x, double y, double z,
                                     int width, int height) {
  const Vector clip = combined * Vector{{x, y, z, 1.0}};
  const double ndcX = clip[0] / clip[3];
  const double ndcY = clip[1] / clip[3];
  return {(ndcX + 1.0) * 0.5 * width, (1.0 - ndcY) * 0.5 * height, clip[3] > 0.0};
}

}  // namespace viewmath

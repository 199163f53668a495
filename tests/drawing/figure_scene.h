// The scene a program builds for a pair of triangles, as main does: the axes
// and their names, the edges, corner names and faces, the intersection (its
// report kept off the console) and the line where the planes meet.
#pragma once

#include <gtest/gtest.h>

#include <array>

#include "app.h"
#include "intersection.h"
#include "scene.h"

inline void buildFigureScene(const std::array<Point, 6>& c) {
  scene = Scene{};
  addAxes(Point{});
  addLabel(Point{10.0f, 0.0f, 0.0f}, "x", kAxisColor);
  addLabel(Point{0.0f, 10.0f, 0.0f}, "y", kAxisColor);
  addLabel(Point{0.0f, 0.0f, 20.0f}, "z", kAxisColor);
  addTriangleEdges(c[0], c[1], c[2], kFirstTriangleColor);
  addTriangleEdges(c[3], c[4], c[5], kSecondTriangleColor);
  const char* const names[6] = {"a1", "b1", "c1", "a2", "b2", "c2"};
  for (int i = 0; i < 6; ++i)
    addLabel(c[i], names[i], i < 3 ? kFirstTriangleColor : kSecondTriangleColor);
  addFace({c[0], c[1], c[2]}, kFirstTriangleColor);
  addFace({c[3], c[4], c[5]}, kSecondTriangleColor);
  Point M, N, P, Q, R, S;
  ::testing::internal::CaptureStdout();
  intersectTriangles(c[0], c[1], c[2], c[3], c[4], c[5], M, N, P, Q, R, S);
  ::testing::internal::GetCapturedStdout();
  if (const auto line = planesMeetingLine(c[0], c[1], c[2], c[3], c[4], c[5], sceneSize())) {
    addLine(*line, kLightGrey);
  }
}

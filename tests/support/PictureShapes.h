#pragma once

#include <variant>
#include <vector>

#include "charts/Picture.h"

// The shapes of one kind in a picture, in drawing order.
template <typename T>
std::vector<T> All(const chart::Picture& picture) {
  std::vector<T> found;
  for (const chart::Shape& shape : picture.shapes)
    if (const T* s = std::get_if<T>(&shape)) found.push_back(*s);
  return found;
}

#pragma once
// File-name pieces used to name images and sounds after their files (internal to this library).

#include <string>

namespace gfx_names {

// The part after the last "/" or "\".
inline std::string WithoutFolder(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Position of the extension's "." in the file-name part, or npos.
inline std::size_t ExtensionDot(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos) return std::string::npos;
  if (slash != std::string::npos && dot < slash) return std::string::npos;
  return dot;
}

// The extension without its ".", "" when there is none.
inline std::string Extension(const std::string& path) {
  const auto dot = ExtensionDot(path);
  return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

// The path without its extension (folders kept).
inline std::string WithoutExtension(const std::string& path) {
  const auto dot = ExtensionDot(path);
  return dot == std::string::npos ? path : path.substr(0, dot);
}

// The file name without folder and extension.
inline std::string BaseName(const std::string& path) {
  return WithoutExtension(WithoutFolder(path));
}

}  // namespace gfx_names

// Fuzz target: Course files: the header lines and the hole names, each hole file opened and checked
// as the loader does (holes of one card each: the hole files are the hole file target's).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "content/course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  const std::string& prefix = quill_fuzz::TinyHolesPrefix();
  quill_fuzz::WriteInput(data, size, "tiny_holes/Data/levels/courses/fuzzcourse.txt");
  quill_fuzz::Survive([&] {
    TCourse course;
    ReadCourseFile(course, prefix, "fuzzcourse");
  });
  return 0;
}

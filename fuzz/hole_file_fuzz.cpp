// Fuzz target: Hole files: the par and card lines, and the checks the loader and the solver make.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "cards/hole_solver.h"
#include "cards/rules.h"
#include "content/course.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  const std::string text(reinterpret_cast<const char*>(data), size);
  quill_fuzz::Survive([&] {
    // The loader's check (the fields, then the parse and the layout rules), the parse alone as
    // the play screen makes it, and the solver's layout of whatever parses.
    HoleFileData checked;
    CheckHoleFile(text, "fuzz.txt", checked);
    const HoleFileResult result = ParseHoleFile(text, "fuzz.txt");
    if (!result.ok) return;
    SolverLayout layout;
    std::string error;
    BuildSolverLayout(result.hole, layout, error);
  });
  return 0;
}

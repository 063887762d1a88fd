#pragma once
// The set-up the benchmarks of the real game share: the staged data folder, the headless platform
// and a per-user folder of the run's own, so a run never reads or writes the player's files.

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/system.h"
#include "tests/content/real_game.h"

namespace bench {

// Checks that the data folder under `prefix` is built, makes the platform headless and points
// XDG_DATA_HOME at a fresh temporary folder, whose path goes to `home` (the caller removes it).
// "" when the run is ready, else why it cannot run.
inline std::string StartRealDataRun(const std::string& prefix, std::string* home) {
  if (!DataFolderPresent(prefix))
    return "no data folder at " + prefix + "Data (build the data target)";
  platform::SetHeadless(true);
  *home = (std::filesystem::temp_directory_path() / "quill-bench-XXXXXX").string();
  if (mkdtemp(home->data()) == nullptr) return "no temporary per-user folder";
  setenv("XDG_DATA_HOME", home->c_str(), 1);
  return "";
}

}  // namespace bench

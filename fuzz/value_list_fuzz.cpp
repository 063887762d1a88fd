// Fuzz target: Value lists: the speech chances file "chance.txt" and every other list of name=value lines.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"

#include "content/data_checks.h"
#include "util/value_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quill_fuzz::Init();
  const std::string path = quill_fuzz::WriteInput(data, size, "chance.txt");
  quill_fuzz::Survive([&] {
    CheckSpeechChances(path);
    auto list = TValueList::Create(path);
    list->GetValueByName("hole in one");
    list->GetValueByIndex(list->Count() - 1);
  });
  return 0;
}

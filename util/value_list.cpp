#include "util/value_list.h"

#include <cstdio>

#include "platform/files.h"
#include "util/files.h"
#include "util/settings.h"
#include "util/strings.h"

std::shared_ptr<TValue> TValue::Create(const std::string& name, int value) {
  auto entry = std::make_shared<TValue>();
  entry->name = name;
  entry->value = value;
  return entry;
}

int TValue::PrintValue() const {
  std::printf("%s=%d\n", name.c_str(), value);
  return 0;
}

std::shared_ptr<TValueList> TValueList::Create(const std::string& path) {
  auto list = std::make_shared<TValueList>();
  list->Read(path);
  return list;
}

int TValueList::AddTValue(std::shared_ptr<TValue> entry) {
  Values.push_back(std::move(entry));
  return 0;
}

void TValueList::AddValue(const std::string& name, int value) { Values.push_back(TValue::Create(name, value)); }

std::shared_ptr<TValue> TValueList::GetValueByIndex(int index) const {
  if (index < 0 || index >= static_cast<int>(Values.size())) return nullptr;
  return Values[static_cast<std::size_t>(index)];
}

std::shared_ptr<TValue> TValueList::GetValueByName(const std::string& name) const {
  for (const auto& entry : Values) {
    if (entry && entry->name == name) return entry;
  }
  return nullptr;
}

int TValueList::PrintList() const {
  for (const auto& entry : Values) {
    if (entry) entry->PrintValue();
  }
  return 0;
}

int TValueList::Read(const std::string& path) {
  std::unique_ptr<platform::InStream> stream = ccLoadFile(path);
  while (!stream->Eof()) {
    const std::string line = stream->ReadLine();
    AddValue(ccIniFirstString(line), ccStringToInt(ccIniLastString(line)));
  }
  return 0;
}

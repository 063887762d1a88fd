#pragma once
// A list of named integers read from a file of settings lines ("name=value"), such as the
// announcer's speech chances. Names are kept exactly as read and compared case-sensitively.

#include <memory>
#include <string>
#include <vector>

class TValue {
 public:
  std::string name;
  int value = 0;

  static std::shared_ptr<TValue> Create(const std::string& name, int value);
  // Writes "name=value" to standard output. Returns 0.
  int PrintValue() const;
};

class TValueList {
 public:
  std::vector<std::shared_ptr<TValue>> Values;  // in file order

  // A new list filled by Read(path); a missing file is the fatal error "Error loading file " + path.
  static std::shared_ptr<TValueList> Create(const std::string& path);
  int Count() const { return static_cast<int>(Values.size()); }
  int AddTValue(std::shared_ptr<TValue> entry);
  void AddValue(const std::string& name, int value);
  // The entry at a 0-based position; nullptr outside 0 .. Count() - 1.
  std::shared_ptr<TValue> GetValueByIndex(int index) const;
  // The first entry whose name equals `name` exactly; nullptr when none.
  std::shared_ptr<TValue> GetValueByName(const std::string& name) const;
  int PrintList() const;
  // Appends one entry per line of the file (empty lines too: empty name, 0): name = the key part,
  // value = the value part read as an integer (ccStringToInt; no digits give 0). Returns 0.
  int Read(const std::string& path);
};

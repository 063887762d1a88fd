#include "progress/counted_string.h"

#include "platform/files.h"
#include "platform/text_encoding.h"

void WriteCountedString(platform::OutStream& out, const std::string& utf8) {
  const std::string bytes = platform::Utf8ToLatin1(utf8);
  out.WriteInt(static_cast<std::int32_t>(bytes.size()));
  for (const char c : bytes) out.WriteByte(static_cast<std::uint8_t>(c));
}

bool ReadCountedString(platform::InStream& in, std::string& utf8, int maxLength, std::string* error) {
  const std::int32_t n = in.ReadInt();
  if (in.Failed()) {
    if (error) *error = "it ends early";
    return false;
  }
  if (n < 0 || n > maxLength) {
    if (error) *error = "it holds a text of length " + std::to_string(n);
    return false;
  }
  const std::size_t left = in.Position() < in.Size() ? in.Size() - in.Position() : 0;
  if (static_cast<std::size_t>(n) > left) {
    if (error) *error = "it ends inside a text";
    return false;
  }
  utf8 = in.ReadString(n);
  return true;
}

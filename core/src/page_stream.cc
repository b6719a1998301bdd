#include "lumenfold/page_stream.h"

#include <array>
#include <cstring>

namespace lumenfold {
namespace {

// The bytes of a name that cannot be written as they are.
constexpr std::array<bool, 256> MakeNameSpecials() {
  std::array<bool, 256> specials{};
  specials['"'] = specials['<'] = specials['>'] = specials['\n'] = true;
  return specials;
}
constexpr std::array<bool, 256> kNameSpecials = MakeNameSpecials();

std::string_view NameReplacement(char byte) {
  switch (byte) {
    case '"':
      return "&quot;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    default:
      return "\r\n";
  }
}

}  // namespace

bool StringSink::Put(std::string_view bytes) {
  out_->append(bytes);
  return true;
}

PageStream::PageStream(ByteSink& sink) : sink_(sink), buffer_(new char[kCapacity]) {}

PageStream::~PageStream() = default;

void PageStream::Write(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end) {
    const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    if (lf == nullptr) {
      Append(p, static_cast<std::size_t>(end - p));
      return;
    }
    const char* at = static_cast<const char*>(lf);
    Append(p, static_cast<std::size_t>(at - p));
    Append("\r\n", 2);
    p = at + 1;
  }
}

void PageStream::WriteName(std::string_view name) {
  std::size_t run = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (!kNameSpecials[static_cast<unsigned char>(name[i])]) continue;
    Append(name.data() + run, i - run);
    const std::string_view replacement = NameReplacement(name[i]);
    Append(replacement.data(), replacement.size());
    run = i + 1;
  }
  Append(name.data() + run, name.size() - run);
}

void PageStream::AppendSlow(const char* data, std::size_t size) {
  if (!Flush()) return;
  if (size >= kCapacity) {
    failed_ = !sink_.Put(std::string_view(data, size));
    return;
  }
  std::memcpy(buffer_.get(), data, size);
  used_ = size;
}

bool PageStream::Flush() {
  if (failed_) {
    used_ = 0;
    return false;
  }
  if (used_ > 0) failed_ = !sink_.Put(std::string_view(buffer_.get(), used_));
  used_ = 0;
  return !failed_;
}

}  // namespace lumenfold

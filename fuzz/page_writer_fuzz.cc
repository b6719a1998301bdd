// The page writer on random requests: the frame's first and last lines, no
// lone line feed (nor a lone carriage return unless one was typed or named),
// and every name that is not skipped on the page.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "../tests/core/page_test_util.h"
#include "lumenfold/entry_kind.h"
#include "lumenfold/page_writer.h"

namespace {

using lumenfold::PageRequest;

void Check(bool holds) {
  if (!holds) std::abort();
}

PageRequest RandomRequest(FuzzedDataProvider& in) {
  PageRequest request;
  const int names = in.ConsumeIntegralInRange(0, 40);
  for (int i = 0; i < names; ++i) {
    static const char* const kTails[] = {".jpg", ".GIF", ".htm", ".bak", ".zip", ""};
    request.Names.push_back(in.ConsumeRandomLengthString(24) +
                            kTails[in.ConsumeIntegralInRange(0, 5)]);
  }
  request.FileCount = in.ConsumeIntegralInRange<std::int32_t>(-2, names + 2);
  request.Title = in.ConsumeRandomLengthString(40);
  request.UpperComment = in.ConsumeRandomLengthString(40);
  request.LowerComment = in.ConsumeRandomLengthString(40);
  request.Wallpaper = in.ConsumeRandomLengthString(40);
  request.OutputName = in.ConsumeBool() && names > 0 ? request.Names[0] : "DSC.htm";
  request.ColourIndex = in.ConsumeIntegralInRange(-2, 9);
  request.SizeIndex = in.ConsumeIntegralInRange(-2, 5);
  request.AlwaysRule = in.ConsumeBool();
  request.Spacious = in.ConsumeBool();
  request.HideNames = in.ConsumeBool();
  request.StampDate = in.ConsumeBool();
  return request;
}

bool HasCarriageReturn(const PageRequest& request) {
  std::string all = request.Title + request.UpperComment + request.LowerComment + request.Wallpaper;
  for (const std::string& name : request.Names) all += name;
  return all.find('\r') != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const PageRequest request = RandomRequest(in);
  std::string page;
  lumenfold::StringSink sink(&page);
  lumenfold::PageStream out(sink);
  lumenfold::WritePage(out, request, lumenfold::FixedDate("12/11/26"));
  Check(out.Flush());

  Check(page.rfind("<HTML>\r\n", 0) == 0);
  constexpr std::string_view kLastLines = "</BODY>\r\n</HTML>\r\n";
  Check(page.size() >= kLastLines.size() &&
        page.compare(page.size() - kLastLines.size(), kLastLines.size(), kLastLines) == 0);
  const bool typed_cr = HasCarriageReturn(request);
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i] == '\n') Check(i > 0 && page[i - 1] == '\r');
    if (page[i] == '\r' && !typed_cr) Check(i + 1 < page.size() && page[i + 1] == '\n');
  }
  const std::size_t walked = lumenfold::EntriesToWalk(request);
  for (std::size_t i = 0; i < walked; ++i) {
    const std::string& name = request.Names[i];
    if (lumenfold::ClassifyEntry(name, request.OutputName) == lumenfold::EntryKind::SkippedEntry) {
      continue;
    }
    const std::string ref = lumenfold::test::NameAsWritten(name) + "\"";
    Check(page.find("SRC=\"" + ref) != std::string::npos ||
          page.find("HREF=\"" + ref) != std::string::npos);
  }
  return 0;
}

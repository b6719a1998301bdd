// The page for a folder of 100,000 entries, written into memory.
// Reports bytes of page per second for each layout.
#include <benchmark/benchmark.h>

#include <string>

#include "lumenfold/page_writer.h"

namespace lumenfold {
namespace {

PageRequest HundredThousandEntries() {
  static const char* const kExtensions[] = {".jpg", ".JPG", ".gif", ".jpeg", ".htm",
                                            ".zip", ".bak", ".png", ".GIF",  ".txt"};
  PageRequest request;
  request.Names.reserve(100000);
  for (int i = 0; i < 100000; ++i) {
    request.Names.push_back("IMG_" + std::to_string(100000 + i) + kExtensions[i % 10]);
  }
  request.FileCount = 100000;
  request.OutputName = "DSC.htm";
  request.Title = "Trip";
  request.UpperComment = "Day one";
  request.LowerComment = "Taken by me";
  request.StampDate = true;
  request.Spacious = true;
  return request;
}

void BM_WritePage(benchmark::State& state) {
  PageRequest request = HundredThousandEntries();
  request.SizeIndex = static_cast<std::int32_t>(state.range(0));
  const FixedDate date("12/11/26");
  std::string page;
  std::size_t bytes = 0;
  for (auto _ : state) {
    page.clear();
    page.reserve(64 << 20);
    StringSink sink(&page);
    PageStream out(sink);
    WritePage(out, request, date);
    out.Flush();
    bytes += page.size();
    benchmark::DoNotOptimize(page.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
  state.counters["page_MB"] = static_cast<double>(page.size()) / 1e6;
}
BENCHMARK(BM_WritePage)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumenfold

BENCHMARK_MAIN();

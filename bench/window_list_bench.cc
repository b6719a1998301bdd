// How long the window takes to show a scan of 100,000 names: the list box
// filled in one go, and the whole folder scan handler on a real folder.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "form1.h"
#include "lumenfold/natural_order.h"
#include "scripted_dialogs.h"
#include "vcl/forms.h"
#include "vcl/std_ctrls.h"

namespace lumenfold {
namespace {

constexpr int kNames = 100000;

std::vector<std::string> PictureNames(bool shuffled) {
  std::vector<std::string> names;
  names.reserve(kNames);
  for (int i = 0; i < kNames; ++i) names.push_back("IMG_" + std::to_string(i) + ".jpg");
  if (shuffled) {
    std::shuffle(names.begin(), names.end(), std::mt19937(7));
  } else {
    std::sort(names.begin(), names.end(), NaturalLess);
  }
  return names;
}

// Arg 0: the names come in the scan's order; arg 1: in no order at all.
void BM_FillListBox(benchmark::State& state) {
  const std::vector<std::string> names = PictureNames(state.range(0) != 0);
  QWidget window;
  auto* list = new vcl::TListBox(&window);
  list->SetBounds(112, 200, 369, 81);
  list->SetItemOrder(NaturalLess);
  list->SetSorted(true);
  window.show();
  for (auto _ : state) {
    state.PauseTiming();
    list->ClearItems();
    QCoreApplication::processEvents();
    std::vector<std::string> copy = names;
    state.ResumeTiming();
    list->SetItems(std::move(copy));
    list->repaint();  // what the user waits for: the list drawn
    QCoreApplication::processEvents();
  }
  state.counters["items"] = list->ItemCount();
}
BENCHMARK(BM_FillListBox)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A folder of 100,000 empty pictures, made once and removed at the end.
class BigFolder {
 public:
  BigFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "lumenfold-bench-XXXXXX").string();
    path_ = mkdtemp(tmpl.data());
    for (const std::string& name : PictureNames(true)) std::ofstream(path_ + "/" + name);
  }
  ~BigFolder() { std::filesystem::remove_all(path_); }
  BigFolder(const BigFolder&) = delete;
  BigFolder& operator=(const BigFolder&) = delete;
  std::string File() const { return path_ + "/any.jpg"; }

 private:
  std::string path_;
};

// The folder scan handler from the confirmed dialog to the count shown.
void BM_ScanHandler(benchmark::State& state, const BigFolder& folder) {
  TForm1 form(vcl::Application);
  form.show();
  for (auto _ : state) {
    auto dialogs = std::make_unique<testing::ScriptedDialogs>();
    dialogs->file_answers.push_back(vcl::FileDialogAnswer{QString::fromStdString(folder.File()), 1});
    vcl::Application->SetDialogHost(std::move(dialogs));
    form.BitBtn2->click();
    form.ListBox1->repaint();
    QCoreApplication::processEvents();
  }
  state.counters["items"] = form.ListBox1->ItemCount();
}

}  // namespace
}  // namespace lumenfold

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  vcl::TApplication application(argc, argv);
  application.SetTitle(QStringLiteral("Lumenfold"));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const lumenfold::BigFolder folder;
  benchmark::RegisterBenchmark("BM_ScanHandler", lumenfold::BM_ScanHandler, std::cref(folder))
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

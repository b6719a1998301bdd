// Helpers shared by the page writer's tests.
#ifndef LUMENFOLD_TESTS_CORE_PAGE_TEST_UTIL_H_
#define LUMENFOLD_TESTS_CORE_PAGE_TEST_UTIL_H_

#include <initializer_list>
#include <string>
#include <string_view>

#include "lumenfold/page_writer.h"

namespace lumenfold::test {

// A request with the given names, all of them counted.
inline PageRequest RequestWith(std::initializer_list<std::string_view> names) {
  PageRequest request;
  for (std::string_view name : names) request.Names.emplace_back(name);
  request.FileCount = static_cast<std::int32_t>(request.Names.size());
  request.OutputName = "DSC.htm";
  return request;
}

// Expected text written with plain "\n": the page has CR LF.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// A file name as the page writes it: the bytes that could end an attribute
// or open a tag as entities, line feeds as CR LF, the rest as it is.
inline std::string NameAsWritten(std::string_view name) {
  std::string out;
  for (char c : name) {
    switch (c) {
      case '"':
        out += "&quot;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '\n':
        out += "\r\n";
        break;
      default:
        out += c;
    }
  }
  return out;
}

inline std::string RenderPage(const PageRequest& request, std::string_view date = "12/11/26") {
  std::string page;
  StringSink sink(&page);
  PageStream out(sink);
  WritePage(out, request, FixedDate(std::string(date)));
  out.Flush();
  return page;
}

// The rows between the table tag and "</TABLE>", as the page holds them.
inline std::string RenderRows(const PageRequest& request) {
  const std::string page = RenderPage(request);
  const std::size_t table = page.find("<TABLE");
  const std::size_t begin = page.find("\r\n", table) + 2;
  return page.substr(begin, page.find("</TABLE>\r\n") - begin);
}

}  // namespace lumenfold::test

#endif  // LUMENFOLD_TESTS_CORE_PAGE_TEST_UTIL_H_

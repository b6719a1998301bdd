// Putting a page file in place without ever losing the one it replaces.
#ifndef LUMENFOLD_PAGE_FILE_H_
#define LUMENFOLD_PAGE_FILE_H_

#include <functional>
#include <string>

#include "lumenfold/page_stream.h"

namespace lumenfold {

enum class PageFileState {
  kMissing,    // Nothing of that name yet.
  kFile,       // Something that can be confirmed and replaced.
  kDirectory,  // Never replaced: writing it fails to open.
};

// Whether something exists at `path`, by the path itself, whatever its
// permissions (a page that cannot be read still exists).
PageFileState ProbePageFile(const std::string& path);

enum class PageFileResult { kWritten, kOpenFailed, kWriteFailed };

// Writes a page at `path`: `write` fills a stream on a temporary file in the
// same folder, which then takes the page's place in one step. Until then the
// old page stays whole; on any failure the temporary file is removed and the
// old page is left as it was. The page keeps an existing page's mode (or gets
// the mode of any new file) and a link at `path` is followed, not replaced.
// `reason` receives the system's word on a failure.
PageFileResult WritePageFile(const std::string& path, const std::function<void(PageStream&)>& write,
                             std::string* reason);

}  // namespace lumenfold

#endif  // LUMENFOLD_PAGE_FILE_H_

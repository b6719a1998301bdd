// File-name rules: the folder part, the bare name and the extension of a path.
//
// Paths are byte strings and are never re-encoded. Two syntaxes are known:
//  - kHost: the syntax of the machine we run on (POSIX: '/' separates).
//  - kCp932: the syntax of the pictures' original home, where '\' and ':'
//    separate and the text is in code page 932. There the second byte of a
//    double-byte character may have the value of '\' (as in 表 = 0x95 0x5C);
//    such a byte never counts as a separator.
#ifndef LUMENFOLD_NAME_RULES_H_
#define LUMENFOLD_NAME_RULES_H_

#include <string>
#include <string_view>

namespace lumenfold {

enum class PathSyntax { kHost, kCp932 };

// True for the bytes that start a double-byte character of code page 932.
bool IsCp932LeadByte(unsigned char byte);

// The position of the last separator of `path`, or std::string_view::npos.
std::size_t LastSeparator(std::string_view path, PathSyntax syntax);

// Everything up to and including the last separator; empty when there is none.
std::string_view FolderPart(std::string_view path, PathSyntax syntax);

// Everything after the last separator; the whole path when there is none.
std::string_view BareName(std::string_view path, PathSyntax syntax);

// The tail from the last '.' that follows every separator, the dot included;
// empty when there is no such dot.
std::string_view Extension(std::string_view path, PathSyntax syntax);

// `path` without its extension (as Extension() finds it).
std::string_view WithoutExtension(std::string_view path, PathSyntax syntax);

}  // namespace lumenfold

#endif  // LUMENFOLD_NAME_RULES_H_

// The window's texts and paths as the byte strings the core works on.
//
// The core takes every text as bytes of the system's code page and every
// name as the bytes it has on disk; the controls hold QStrings. These are
// the only crossings between the two.
#ifndef LUMENFOLD_APP_WINDOW_TEXT_H_
#define LUMENFOLD_APP_WINDOW_TEXT_H_

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace lumenfold {

// A typed text as bytes of the system's code page.
inline std::string TextBytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

// Bytes of the system's code page (the core's messages, say) for a control.
inline QString TextOf(std::string_view bytes) {
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A path from a dialog as the bytes the file system knows it by.
inline std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A path's bytes as a control shows them.
inline QString PathText(std::string_view bytes) {
  return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace lumenfold

#endif  // LUMENFOLD_APP_WINDOW_TEXT_H_

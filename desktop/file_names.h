// File names between the system and the window.
//
// A file name on this system is a string of bytes, usually but not always UTF-8 ("M\xfcller.ved"
// written by an older program in Latin-1). Qt's own decoding turns a byte that is not UTF-8 into
// U+FFFD, and the name can then no longer be opened. These two turn every name into a text and
// back to the very same bytes: each byte that is not part of valid UTF-8 travels as the lone
// surrogate U+DC80 + byte, which no valid UTF-8 name can hold. Messages show names through
// PrintableFileName, where such a byte, a line break or a terminal escape shows as '?'.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

namespace vela::desktop {

QString DecodeFileName(const QByteArray& bytes);
QByteArray EncodeFileName(const QString& name);
// The name made absolute against the working folder, every byte kept (QFileInfo goes through Qt's
// own decoding and loses the bytes that are not UTF-8). Nothing is cleaned: "a/../b" stays, as the
// system itself resolves it.
QString AbsoluteFileName(const QString& name);
// The bytes as the core's file routines take them.
std::string NativeFileName(const QString& name);
// Between double quotes, one line, control characters and stray bytes as '?', a long name cut in
// the middle.
QString PrintableFileName(const QString& name);
// A failure about a file: the text, then the file's name and the reason, separated by `separator`;
// the name is left out when the reason already names the file, so that a message names it once.
QString FailureAboutFile(const QString& text, const QString& name, const QString& why, const QString& separator);

}  // namespace vela::desktop

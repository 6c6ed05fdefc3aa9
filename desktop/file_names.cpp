#include "desktop/file_names.h"

#include <QDir>

#include <cerrno>
#include <vector>

#include "astro/text.h"

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace vela::desktop {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // a stray byte b travels as U+DC00 + b (b is 0x80..0xFF)

// The length of the valid UTF-8 character at bytes[i] and its code point, or 0 when it is not one
// (a stray continuation, a cut or overlong sequence, a surrogate, beyond U+10FFFF).
int ValidUtf8At(const QByteArray& bytes, qsizetype i, char32_t& code) {
    const auto byte = [&bytes](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    int length = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07u, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

void AppendUtf8(QByteArray& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

QString DecodeFileName(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t code = 0;
        const int length = ValidUtf8At(bytes, i, code);
        if (length == 0) {
            name += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        name += QString::fromUcs4(&code, 1);
        i += length;
    }
    return name;
}

QByteArray EncodeFileName(const QString& name) {
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(unit, name[i + 1].unicode()));
            ++i;
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            bytes += static_cast<char>(unit - kEscapeBase);
        } else if (QChar::isSurrogate(unit)) {
            bytes += '?';  // a lone surrogate of another kind names no file
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}

QString AbsoluteFileName(const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('/'))) return name;
#if defined(Q_OS_UNIX)
    std::vector<char> folder(4096);
    while (::getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE || folder.size() > (1U << 20)) return QDir::current().filePath(name);
        folder.resize(folder.size() * 2);
    }
    QString absolute = DecodeFileName(QByteArray(folder.data()));
#else
    QString absolute = QDir::currentPath();
#endif
    if (!absolute.endsWith(QLatin1Char('/'))) absolute += QLatin1Char('/');
    return absolute + name;
}

std::string NativeFileName(const QString& name) { return EncodeFileName(name).toStdString(); }

QString PrintableFileName(const QString& name) {
    return QString::fromStdString(astro::QuotedForMessage(NativeFileName(name)));
}

QString FailureAboutFile(const QString& text, const QString& name, const QString& why, const QString& separator) {
    const QString shown = PrintableFileName(name);
    if (why.isEmpty()) return text + separator + shown;
    if (why.contains(shown)) return text + separator + why;
    return text + separator + shown + separator + why;
}

}  // namespace vela::desktop

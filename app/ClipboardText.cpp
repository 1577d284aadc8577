#include "app/ClipboardText.h"

#include <QByteArray>
#include <QMimeData>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <string_view>

#include "text/CopiedText.h"
#include "text/Cp1256.h"

namespace nira {

namespace {

// The leading bytes decoded: room for white space, empty lines and marks
// before a word of kClipTextMax units in any Unicode form (UTF-32 takes 4
// bytes a unit), so a megabyte on the clipboard costs no more to decode
// than a word.
constexpr qsizetype kDecodeBytes = 4096;

using Encoding = QStringConverter::Encoding;

// X11 atoms Qt passes on unchanged; these three name text.
bool IsTextAtom(const QString& type) {
    return type == QLatin1String("UTF8_STRING") || type == QLatin1String("STRING") ||
           type == QLatin1String("TEXT");
}

// TARGETS, MULTIPLE, TIMESTAMP, SAVE_TARGETS, COMPOUND_TEXT...: atom names
// are capitals, digits and underscores; MIME types never are.
bool IsBookkeepingTarget(const QString& type) {
    if (type.isEmpty()) return true;
    if (IsTextAtom(type)) return false;
    return std::all_of(type.begin(), type.end(), [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_');
    });
}

struct MimeType {
    QString essence;  // "text/plain", lower case
    QString charset;  // lower case, unquoted; empty when not given
};

MimeType ParseMimeType(const QString& type) {
    const QStringList parts = type.split(QLatin1Char(';'));
    MimeType parsed{parts.front().trimmed().toLower(), QString()};
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString parameter = parts[i].trimmed();
        const qsizetype equals = parameter.indexOf(QLatin1Char('='));
        if (equals < 0) continue;
        if (parameter.left(equals).trimmed().compare(QLatin1String("charset"),
                                                     Qt::CaseInsensitive) != 0)
            continue;
        QString value = parameter.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        parsed.charset = value.toLower();
    }
    return parsed;
}

// windows-1256, cp1256, win-1256, x-cp1256 and their underscore spellings.
bool IsCp1256Charset(const QString& charset) {
    QString bare = charset;
    bare.remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    return bare == QLatin1String("windows1256") || bare == QLatin1String("cp1256") ||
           bare == QLatin1String("win1256") || bare == QLatin1String("xcp1256");
}

// How a plain-text type is decoded. STRING and TEXT are ISO Latin-1 by the
// X11 conventions; text/plain without a charset is UTF-8, as Qt writes and
// delivers it on every platform.
std::optional<Encoding> EncodingOf(const QString& type) {
    if (type == QLatin1String("UTF8_STRING")) return Encoding::Utf8;
    if (type == QLatin1String("STRING") || type == QLatin1String("TEXT"))
        return Encoding::Latin1;
    const MimeType parsed = ParseMimeType(type);
    if (parsed.essence != QLatin1String("text/plain")) return std::nullopt;
    if (parsed.charset.isEmpty()) return Encoding::Utf8;
    const std::optional<Encoding> named =
        QStringConverter::encodingForName(parsed.charset.toLatin1().constData());
    if (named == Encoding::System) return std::nullopt;  // the locale is not the sender's
    return named;
}

bool IsPlainText(const QString& type) {
    const ClipFormat format = ClassifyClipFormat(type);
    return format == ClipFormat::UnicodeText || format == ClipFormat::Cp1256Text;
}

QStringList OfferedTypes(const QMimeData& data) {
    QStringList types = data.formats();
    types.removeIf(IsBookkeepingTarget);
    return types;
}

// The bytes up to the first zero byte, the first line without white space
// and format characters at its ends, at most kClipTextMax, unconverted.
std::size_t CopyCp1256Bytes(const QByteArray& bytes, unsigned char* out) {
    const qsizetype head = std::min(bytes.size(), kDecodeBytes);
    const std::string_view all(bytes.constData(), static_cast<std::size_t>(head));
    const std::string_view word = CopiedWordCp1256(all.substr(0, all.find('\0')));
    const std::size_t n = std::min<std::size_t>(word.size(), kClipTextMax);
    std::copy_n(word.begin(), n, out);
    return n;
}

// Takes the units up to the first zero unit, then the first line without
// white space and format characters at its ends, at most kClipTextMax
// units, and converts them; a surrogate pair gives one byte, so the text
// ends after the bytes actually written.
std::size_t ConvertCopiedWord(const QString& text, unsigned char* out) {
    qsizetype units = text.indexOf(QChar(u'\0'));
    if (units < 0) units = text.size();
    const std::u16string_view word = CopiedWord(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(units)));
    return WideToCp1256(word.data(), std::min<std::size_t>(word.size(), kClipTextMax), out,
                        kClipTextMax);
}

// Decodes only the head of the data.
std::size_t ConvertUnicodeHead(const QByteArray& bytes, Encoding encoding,
                               unsigned char* out) {
    const QByteArrayView head(bytes.constData(), std::min(bytes.size(), kDecodeBytes));
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return ConvertCopiedWord(decoder.decode(head), out);
}

bool ReadTextType(const QMimeData& data, const QString& type,
                  unsigned char (&out)[kClipBufferSize], std::size_t& length) {
    const QByteArray bytes = data.data(type);
    if (bytes.isEmpty()) return false;
    if (ClassifyClipFormat(type) == ClipFormat::Cp1256Text) {
        length = CopyCp1256Bytes(bytes, out);
    } else {
        const std::optional<Encoding> encoding = EncodingOf(type);
        if (!encoding) return false;
        length = ConvertUnicodeHead(bytes, *encoding, out);
    }
    out[length] = 0;
    return true;
}

}  // namespace

ClipFormat ClassifyClipFormat(const QString& mimeType) {
    if (IsTextAtom(mimeType)) return ClipFormat::UnicodeText;
    const MimeType parsed = ParseMimeType(mimeType);
    if (parsed.essence == QLatin1String("text/plain")) {
        if (IsCp1256Charset(parsed.charset)) return ClipFormat::Cp1256Text;
        return EncodingOf(mimeType) ? ClipFormat::UnicodeText : ClipFormat::None;
    }
    if (parsed.essence == QLatin1String("text/html") ||
        parsed.essence == QLatin1String("text/rtf") ||
        parsed.essence == QLatin1String("application/x-qt-richtext"))
        return ClipFormat::RichText;
    return ClipFormat::None;
}

std::size_t TakeAsCopiedText(const QString& text, unsigned char (&out)[kClipBufferSize]) {
    const std::size_t length = ConvertCopiedWord(text.left(kDecodeBytes), out);
    out[length] = 0;
    return length;
}

bool IsOwnCopy(const QMimeData& data) {
    return data.hasFormat(QString::fromLatin1(kOwnCopyType));
}

bool ReadClipboardText(const QMimeData* data, unsigned char (&out)[kClipBufferSize],
                       std::size_t& length) {
    out[0] = 0;
    length = 0;
    if (data == nullptr) return false;
    const QStringList types = OfferedTypes(*data);
    if (types.isEmpty()) return false;
    // Only the first type decides; a rich type sends us to its plain text.
    QString source = types.front();
    switch (ClassifyClipFormat(source)) {
    case ClipFormat::UnicodeText:
    case ClipFormat::Cp1256Text:
        break;
    case ClipFormat::RichText: {
        const auto plain = std::find_if(types.begin(), types.end(), IsPlainText);
        if (plain == types.end()) return false;
        source = *plain;
        break;
    }
    case ClipFormat::None:
        return false;
    }
    if (ReadTextType(*data, source, out, length)) return true;
    out[0] = 0;
    length = 0;
    return false;
}

}  // namespace nira

#include "board/tool/pictureblock.h"

#include <QStringList>
#include <vector>

namespace {

const QByteArray pictureKind = "TJPEGImage";
const QByteArray openerText = "Picture = {";
constexpr qsizetype hexDigitsPerLine = 64;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// A line ending in "Picture = {".
struct Opener {
    int lineNumber;
    qsizetype bracePosition;
    QByteArray indentation;
    QByteArray lineBreak;
};

Opener openerOnLine(const QByteArray& text, qsizetype start, qsizetype end, int lineNumber)
{
    const bool crlf = end > start && text[end - 1] == '\r';
    qsizetype contentEnd = crlf ? end - 1 : end;
    while (contentEnd > start && isBlank(text[contentEnd - 1])) --contentEnd;
    const QByteArray content = text.mid(start, contentEnd - start);
    if (!content.endsWith(openerText)) return {0, -1, {}, {}};
    qsizetype indentEnd = start;
    while (indentEnd < contentEnd && isBlank(text[indentEnd])) ++indentEnd;
    return {lineNumber, contentEnd - 1, text.mid(start, indentEnd - start), crlf ? "\r\n" : "\n"};
}

std::vector<Opener> findOpeners(const QByteArray& text)
{
    std::vector<Opener> openers;
    qsizetype start = 0;
    for (int lineNumber = 1; start <= text.size(); ++lineNumber) {
        const qsizetype newline = text.indexOf('\n', start);
        const qsizetype end = newline < 0 ? text.size() : newline;
        const Opener opener = openerOnLine(text, start, end, lineNumber);
        if (opener.bracePosition >= 0) openers.push_back(opener);
        if (newline < 0) break;
        start = newline + 1;
    }
    return openers;
}

QString describeCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte < 0x7F) return QStringLiteral("'%1'").arg(QChar(byte));
    return QStringLiteral("byte 0x%1").arg(byte, 2, 16, QChar('0'));
}

// Where the value's closing '}' is; only hex digits and white space may come before it.
struct Closing {
    qsizetype position = -1;
    QString error;
};

Closing findClosing(const QByteArray& text, const Opener& opener, const QString& fileName)
{
    int lineNumber = opener.lineNumber;
    qsizetype lineStart = text.lastIndexOf('\n', opener.bracePosition) + 1;
    for (qsizetype position = opener.bracePosition + 1; position < text.size(); ++position) {
        const char c = text[position];
        if (c == '}') return {position, {}};
        if (c == '\n') {
            ++lineNumber;
            lineStart = position + 1;
        } else if (!isHexDigit(c) && !isBlank(c) && c != '\r') {
            return {-1, QStringLiteral("%1:%2:%3: unexpected %4 in the picture value; only hex digits may come "
                                       "before its closing '}'")
                            .arg(fileName)
                            .arg(lineNumber)
                            .arg(position - lineStart + 1)
                            .arg(describeCharacter(c))};
        }
    }
    return {-1, QStringLiteral("%1:%2: the picture value opened on this line has no closing '}'")
                    .arg(fileName)
                    .arg(opener.lineNumber)};
}

QByteArray hexLines(const QByteArray& value, const Opener& opener)
{
    const QByteArray hex = value.toHex().toUpper();
    const QByteArray lineStart = opener.lineBreak + opener.indentation + "  ";
    QByteArray lines;
    for (qsizetype from = 0; from < hex.size(); from += hexDigitsPerLine) lines += lineStart + hex.mid(from, hexDigitsPerLine);
    return lines;
}

QString lineNumbers(const std::vector<Opener>& openers)
{
    QStringList numbers;
    for (const Opener& opener : openers) numbers << QString::number(opener.lineNumber);
    return numbers.join(", ");
}

}  // namespace

QByteArray PictureBlock::storedValue(const QByteArray& jpegStream)
{
    QByteArray value;
    value.append(char(pictureKind.size()));
    value.append(pictureKind);
    const auto byteCount = quint32(jpegStream.size());
    for (int shift = 0; shift < 32; shift += 8) value.append(char((byteCount >> shift) & 0xFF));
    value.append(jpegStream);
    return value;
}

PictureBlock::Result PictureBlock::replaceValue(const QByteArray& text, const QByteArray& value,
                                                const QString& fileName)
{
    const std::vector<Opener> openers = findOpeners(text);
    if (openers.empty())
        return {{}, QStringLiteral("%1: no line ends in \"%2\", so there is no picture value to replace")
                        .arg(fileName, QString::fromLatin1(openerText))};
    if (openers.size() > 1)
        return {{}, QStringLiteral("%1: lines %2 each end in \"%3\"; expected exactly one picture value")
                        .arg(fileName, lineNumbers(openers), QString::fromLatin1(openerText))};

    const Opener& opener = openers.front();
    const Closing closing = findClosing(text, opener, fileName);
    if (closing.position < 0) return {{}, closing.error};
    return {text.left(opener.bracePosition + 1) + hexLines(value, opener) + text.mid(closing.position), {}};
}

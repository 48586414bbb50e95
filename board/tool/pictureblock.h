#pragma once
#include <QByteArray>
#include <QString>

// The card picture as the program's text description of its main window
// keeps it: a line ending in "Picture = {", then the stored value as lines of
// hex digits, the last one ending in "}".
class PictureBlock {
public:
    // The stored value: the picture kind's name as a string with a one-byte
    // length in front, then the JPEG stream's byte count (32-bit,
    // little-endian), then the stream itself.
    static QByteArray storedValue(const QByteArray& jpegStream);

    struct Result {
        QByteArray text;
        QString error;  // empty on success
    };
    // The description `text` with its one picture value replaced by `value`,
    // written as lines of 64 hex digits indented two spaces deeper than the
    // "Picture = {" line. The file's line breaks are kept. `fileName` only
    // names the file in error messages.
    static Result replaceValue(const QByteArray& text, const QByteArray& value, const QString& fileName);
};

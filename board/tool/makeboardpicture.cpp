// makeboardpicture: draws the picture of the QK-7720 card that the settings
// program shows in its main window, and encodes it as the JPEG stream the
// program expects.
//
//   makeboardpicture OUT.jpg                    writes the picture to OUT.jpg
//   makeboardpicture --update DESCRIPTION_FILE  replaces the picture value in
//                                               the main window's description
//
// The drawing and the encoding are deterministic: every run gives the same bytes.

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QtGlobal>
#include <QString>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "board/tool/boardpainter.h"
#include "board/tool/jpegwriter.h"
#include "board/tool/pictureblock.h"

namespace {

// High enough that the thin white print stays crisp on the green.
constexpr int jpegQuality = 90;

const char* const usageText =
    "usage: makeboardpicture OUT.jpg\n"
    "       makeboardpicture --update DESCRIPTION_FILE\n"
    "\n"
    "Draws the picture of the QK-7720 card and writes it as a JPEG file, or\n"
    "replaces the picture value inside the main window's description file.\n";

QtMessageHandler qtDefaultHandler = nullptr;

// Headless machines often have no XDG_RUNTIME_DIR, and Qt says so on every
// start; that note is noise from a build tool, so it alone is dropped.
void dropRuntimeDirNote(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    qtDefaultHandler(type, context, message);
}

void reportError(const QString& message)
{
    std::fprintf(stderr, "makeboardpicture: %s\n", message.toLocal8Bit().constData());
}

std::optional<QByteArray> drawAndEncode()
{
    const JpegWriter::Result jpeg = JpegWriter(jpegQuality).encode(BoardPainter::render());
    if (!jpeg.error.isEmpty()) {
        reportError(jpeg.error);
        return std::nullopt;
    }
    return jpeg.stream;
}

// Writes through a temporary file, so a failure never leaves half a file behind.
bool writeWhole(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() || !file.commit()) {
        reportError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

int writePicture(const QString& path)
{
    const std::optional<QByteArray> stream = drawAndEncode();
    if (!stream) return 1;
    return writeWhole(path, *stream) ? 0 : 1;
}

int updateDescription(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
        return 1;
    }
    const QByteArray text = file.readAll();
    file.close();

    const std::optional<QByteArray> stream = drawAndEncode();
    if (!stream) return 1;
    const PictureBlock::Result updated = PictureBlock::replaceValue(text, PictureBlock::storedValue(*stream), path);
    if (!updated.error.isEmpty()) {
        reportError(updated.error);
        return 1;
    }
    if (updated.text == text) return 0;  // already holds this picture: leave the file as it is
    return writeWhole(path, updated.text) ? 0 : 1;
}

int usageError(const std::string& problem)
{
    std::fprintf(stderr, "makeboardpicture: %s\n%s", problem.c_str(), usageText);
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The arguments are read before Qt sees them, so that none is taken for a Qt option.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::fputs(usageText, stdout);
        return 0;
    }

    enum class Mode { WritePicture, UpdateDescription };
    Mode mode = Mode::WritePicture;
    std::string path;
    if (arguments.size() == 1 && !arguments[0].starts_with("-")) {
        path = arguments[0];
    } else if (arguments.size() == 2 && arguments[0] == "--update") {
        mode = Mode::UpdateDescription;
        path = arguments[1];
    } else if (arguments.empty()) {
        return usageError("missing the output file");
    } else if (arguments.size() == 1 && arguments[0] == "--update") {
        return usageError("--update needs the description file to rewrite");
    } else if (arguments[0].starts_with("-") && arguments[0] != "--update") {
        return usageError("unknown option '" + arguments[0] + "'");
    } else {
        return usageError("wrong number of arguments");
    }

    // Text drawing needs a Gui application, but the tool never opens a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtDefaultHandler = qInstallMessageHandler(dropRuntimeDirNote);
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);

    const QString filePath = QString::fromLocal8Bit(path);
    return mode == Mode::WritePicture ? writePicture(filePath) : updateDescription(filePath);
}

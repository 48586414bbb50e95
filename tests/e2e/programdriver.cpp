#include "programdriver.h"

#include "commandrunner.h"
#include "waitfor.h"
#include "xserversession.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <stdexcept>

namespace e2e {

namespace {

[[noreturn]] void fail(const QString &message)
{
    throw std::runtime_error(message.toStdString());
}

QList<WindowId> parseWindowIds(const QByteArray &xdotoolOutput)
{
    QList<WindowId> ids;
    for (const QByteArray &line : xdotoolOutput.split('\n')) {
        bool ok = false;
        const WindowId id = line.trimmed().toULong(&ok);
        if (ok)
            ids.append(id);
    }
    return ids;
}

// The value after "Label:" in xwininfo's report, e.g. "  Width: 1280".
int xwininfoField(const QString &report, const QString &label)
{
    const QRegularExpression field(QStringLiteral("^\\s*%1:\\s*(-?\\d+)").arg(QRegularExpression::escape(label)),
                                   QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = field.match(report);
    if (!match.hasMatch())
        fail(QStringLiteral("xwininfo printed no '%1' line:\n%2").arg(label, report));
    return match.captured(1).toInt();
}

// A "NAME=value" line of `xdotool ... --shell` output.
int shellVariable(const QString &report, const QString &name)
{
    const QRegularExpression line(QStringLiteral("^%1=(-?\\d+)$").arg(name), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(report);
    if (!match.hasMatch())
        fail(QStringLiteral("xdotool printed no %1= line:\n%2").arg(name, report));
    return match.captured(1).toInt();
}

} // namespace

ProgramDriver::ProgramDriver(const XServerSession &session, const QString &program, const QStringList &arguments)
    : commands_(session.commands()), programPath_(program)
{
    if (!QFileInfo(program).isExecutable())
        fail(QStringLiteral("the program under test '%1' does not exist or is not executable").arg(program));

    QProcessEnvironment environment = session.environment();
    // Qt would pick Wayland on a developer's Wayland desktop; the test's
    // display is X.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program_ = std::make_unique<ChildProcess>(program, arguments, environment);
}

ProgramDriver::~ProgramDriver() = default;

// The title is compared here rather than by `xdotool search --name`, which
// takes a regular expression and, next to --pid, matches any window of the
// process whatever its title.
WindowId ProgramDriver::waitForWindow(const QString &title, std::chrono::milliseconds timeout)
{
    auto titledWindow = [&]() -> std::optional<WindowId> {
        for (WindowId window : visibleWindowsOfProgram()) {
            if (windowTitle(window) == title)
                return window;
        }
        return std::nullopt;
    };
    std::optional<WindowId> window;
    waitFor([&] { return !program_->isRunning() || (window = titledWindow()).has_value(); }, timeout);
    failIfProgramEnded(QStringLiteral("waiting for its window titled \"%1\"").arg(title));
    if (!window)
        fail(QStringLiteral("%1 showed no window titled exactly \"%2\" within %3 ms; its visible windows: [%4]")
                 .arg(programPath_, title)
                 .arg(timeout.count())
                 .arg(visibleWindowTitles().join(QStringLiteral(", "))));
    return *window;
}

WindowId ProgramDriver::waitForPopupMenu(std::chrono::milliseconds timeout)
{
    auto popupMenu = [&]() -> std::optional<WindowId> {
        for (WindowId window : visibleWindowsOfProgram()) {
            const QStringList types = atomList(window, QStringLiteral("_NET_WM_WINDOW_TYPE"));
            if (types.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_POPUP_MENU"))
                || types.contains(QStringLiteral("_NET_WM_WINDOW_TYPE_DROPDOWN_MENU")))
                return window;
        }
        return std::nullopt;
    };
    const std::optional<WindowId> menu = waitForValue(popupMenu, timeout);
    failIfProgramEnded(QStringLiteral("waiting for a pop-up menu"));
    if (!menu)
        fail(QStringLiteral("%1 opened no pop-up menu within %2 ms").arg(programPath_).arg(timeout.count()));
    return *menu;
}

// xwininfo rather than `xdotool getwindowgeometry`: the latter counts the
// frame's title bar twice for a reparented window.
QRect ProgramDriver::geometry(WindowId window) const
{
    const QString report = QString::fromLocal8Bit(
        commands_.output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)}));
    return {xwininfoField(report, QStringLiteral("Absolute upper-left X")),
            xwininfoField(report, QStringLiteral("Absolute upper-left Y")),
            xwininfoField(report, QStringLiteral("Width")), xwininfoField(report, QStringLiteral("Height"))};
}

QStringList ProgramDriver::windowState(WindowId window) const
{
    return atomList(window, QStringLiteral("_NET_WM_STATE"));
}

void ProgramDriver::activate(WindowId window)
{
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window)});
}

// Not `mousemove --sync`: that waits for the pointer to move and so hangs
// when it is already where it is sent.
void ProgramDriver::movePointer(QPoint screenPosition)
{
    xdotool({QStringLiteral("mousemove"), QString::number(screenPosition.x()), QString::number(screenPosition.y())});
    if (!waitFor([&] { return pointerPosition() == screenPosition; }, 5s))
        fail(QStringLiteral("the pointer did not reach (%1, %2); it is at (%3, %4)")
                 .arg(screenPosition.x())
                 .arg(screenPosition.y())
                 .arg(pointerPosition().x())
                 .arg(pointerPosition().y()));
}

QPoint ProgramDriver::pointerPosition() const
{
    const QString report = QString::fromLocal8Bit(
        commands_.output(QStringLiteral("xdotool"), {QStringLiteral("getmouselocation"), QStringLiteral("--shell")}));
    return {shellVariable(report, QStringLiteral("X")), shellVariable(report, QStringLiteral("Y"))};
}

void ProgramDriver::click(QPoint screenPosition)
{
    movePointer(screenPosition);
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

void ProgramDriver::pressKeys(const QString &keys)
{
    xdotool(QStringList{QStringLiteral("key")} + keys.split(u' ', Qt::SkipEmptyParts));
}

QImage ProgramDriver::screenshot() const
{
    const QByteArray png = commands_.output(
        QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")});
    QImage image = QImage::fromData(png, "PNG");
    if (image.isNull())
        fail(QStringLiteral("`import -window root png:-` gave no readable PNG image (%1 bytes)").arg(png.size()));
    return image;
}

QColor ProgramDriver::pixel(QPoint screenPosition) const
{
    const QImage screen = screenshot();
    if (!screen.rect().contains(screenPosition))
        fail(QStringLiteral("pixel (%1, %2) lies outside the %3x%4 screen")
                 .arg(screenPosition.x())
                 .arg(screenPosition.y())
                 .arg(screen.width())
                 .arg(screen.height()));
    return screen.pixelColor(screenPosition);
}

bool ProgramDriver::waitForPixelChange(QPoint screenPosition, QColor before,
                                       std::chrono::milliseconds timeout) const
{
    return waitFor([&] { return pixel(screenPosition) != before; }, timeout, 100ms);
}

ProcessExit ProgramDriver::waitForExit(std::chrono::milliseconds timeout)
{
    return program_->waitForExit(timeout);
}

// The UTF-8 _NET_WM_NAME that Qt sets, as the window manager shows it.
// Empty for a window without one, or one that vanished meanwhile.
QString ProgramDriver::windowTitle(WindowId window) const
{
    const CommandResult result =
        commands_.run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), QStringLiteral("_NET_WM_NAME")});
    // _NET_WM_NAME(UTF8_STRING) = "Setup", with " and \ escaped by a backslash.
    const QString text = QString::fromUtf8(result.standardOutput).trimmed();
    const qsizetype open = text.indexOf(QStringLiteral("= \""));
    if (result.exitCode != 0 || open < 0 || !text.endsWith(u'"'))
        return {};
    QString title = text.mid(open + 3, text.size() - open - 4);
    static const QRegularExpression escaped(QStringLiteral("\\\\(.)"));
    return title.replace(escaped, QStringLiteral("\\1"));
}

QStringList ProgramDriver::visibleWindowTitles() const
{
    QStringList titles;
    for (WindowId window : visibleWindowsOfProgram())
        titles.append(u'"' + windowTitle(window) + u'"');
    return titles;
}

// A missing property, or a window that vanished meanwhile, reads as empty.
QStringList ProgramDriver::atomList(WindowId window, const QString &property) const
{
    const CommandResult result =
        commands_.run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), property});
    const QString text = QString::fromLocal8Bit(result.standardOutput);
    const qsizetype equals = text.indexOf(u'=');
    if (result.exitCode != 0 || equals < 0)
        return {};
    QStringList atoms = text.mid(equals + 1).split(u',', Qt::SkipEmptyParts);
    for (QString &atom : atoms)
        atom = atom.trimmed();
    return atoms;
}

QList<WindowId> ProgramDriver::visibleWindowsOfProgram() const
{
    const CommandResult result = commands_.run(
        QStringLiteral("xdotool"),
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(program_->pid())});
    return result.exitCode == 0 ? parseWindowIds(result.standardOutput) : QList<WindowId>{};
}

void ProgramDriver::failIfProgramEnded(const QString &whileDoing)
{
    if (!program_->isRunning())
        fail(QStringLiteral("%1 %2 while %3")
                 .arg(programPath_, QString::fromStdString(program_->waitForExit(0ms).toString()), whileDoing));
}

void ProgramDriver::xdotool(const QStringList &arguments) const
{
    commands_.output(QStringLiteral("xdotool"), arguments);
}

} // namespace e2e

#include "gui/application.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

#include "gui/form.h"
#include "gui/screen.h"

TApplication* Application = nullptr;

TApplication::TApplication(int& argc, char** argv) : TComponent(nullptr), FQt(std::make_unique<QApplication>(argc, argv))
{
    Application = this;
    Screen = new TScreen(this);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     [this] { RunGuarded([this] { Idle(); }); });
}

TApplication::~TApplication()
{
    MarkDestroying();
    // The forms' widgets must go while Qt still runs.
    DestroyComponents();
    Screen = nullptr;
    Application = nullptr;
}

int TApplication::Run()
{
    if (FMainForm) FMainForm->Show();
    if (FTerminated) return 0;
    return QApplication::exec();
}

void TApplication::Terminate()
{
    FTerminated = true;
    QApplication::quit();
}

void TApplication::ProcessMessages() { QApplication::processEvents(); }

void TApplication::RemoveForm(TForm* form)
{
    std::erase(FForms, form);
    if (form == FMainForm) FMainForm = nullptr;
}

void TApplication::Idle()
{
    if (!OnIdle || FInIdle) return;
    FInIdle = true;
    bool done = true;
    // A copy: the handler may replace itself.
    const auto handler = OnIdle;
    handler(this, done);
    FInIdle = false;
}

void TApplication::HandleException(const std::exception& error)
{
    if (OnException) {
        OnException(this, error);
        return;
    }
    // The error may come from inside a paint: show it once that is over,
    // and only once while its box is up, so a failing paint cannot stack boxes.
    const std::string text = error.what();
    if (!FShownErrors.insert(text).second) return;
    QTimer::singleShot(0, FQt.get(), [this, text] {
        QMessageBox::critical(nullptr, QStringLiteral("Setup"), QString::fromStdString(text));
        FShownErrors.erase(text);
    });
}

void RunGuarded(const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::exception& error) {
        if (Application) Application->HandleException(error);
    }
}

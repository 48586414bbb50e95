#include "gui/formwindow.h"

#include <QMenuBar>
#include <QResizeEvent>

#include "gui/application.h"
#include "gui/form.h"
#include "gui/paintwidget.h"

TFormWindow::TFormWindow(TForm* form, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), FForm(form), FClient(new TPaintWidget(form, this))
{
    FClient->setFocusPolicy(Qt::NoFocus);
}

QMenuBar* TFormWindow::MenuBar()
{
    if (!FMenuBar) {
        FMenuBar = new QMenuBar(this);
        FMenuBar->setNativeMenuBar(false);
        FMenuBar->show();
        LayOut();
    }
    return FMenuBar;
}

void TFormWindow::RemoveMenuBar()
{
    delete FMenuBar;
    FMenuBar = nullptr;
    LayOut();
}

int TFormWindow::MenuBarHeight() const { return FMenuBar ? FMenuBar->sizeHint().height() : 0; }

bool TFormWindow::event(QEvent* event)
{
    bool handled = false;
    RunGuarded([&] { handled = FForm->HandleWindowEvent(event); });
    return handled || QWidget::event(event);
}

void TFormWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void TFormWindow::LayOut()
{
    const int menu = MenuBarHeight();
    if (FMenuBar) FMenuBar->setGeometry(0, 0, width(), menu);
    FClient->setGeometry(0, menu, width(), std::max(0, height() - menu));
}

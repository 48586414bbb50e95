#pragma once
#include <QWidget>

class QMenuBar;
class TForm;

// The top-level window of a form: the menu bar on top, the client area
// (where the form paints and its controls live) below it.
class TFormWindow : public QWidget {
public:
    TFormWindow(TForm* form, Qt::WindowFlags flags);

    QWidget* Client() const { return FClient; }
    // Creates the menu bar on first use.
    QMenuBar* MenuBar();
    void RemoveMenuBar();
    int MenuBarHeight() const;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();

    TForm* FForm;
    QWidget* FClient;
    QMenuBar* FMenuBar = nullptr;
};

#include "gui/combobox.h"

#include <QComboBox>
#include <QLineEdit>

#include "gui/application.h"
#include "gui/nativeeventfilter.h"

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    FItems.OnChange = [this](TObject*) {
        if (FItemIndex >= FItems.Count()) FItemIndex = -1;
        FillWidget();
    };
}

QComboBox* TComboBox::Box() const { return static_cast<QComboBox*>(ExistingHandle()); }

QWidget* TComboBox::CreateWindowHandle(QWidget* parentWidget)
{
    auto* box = new QComboBox(parentWidget);
    box->setEditable(FStyle != csDropDownList);
    box->setMaxVisibleItems(FDropDownCount);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->installEventFilter(new TNativeEventFilter(this, box));
    QObject::connect(box, qOverload<int>(&QComboBox::activated),
                     [this](int index) { RunGuarded([this, index] { UserPicked(index); }); });
    if (auto* edit = box->lineEdit())
        QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& text) {
            RunGuarded([this, text] { UserEdited(text.toStdString()); });
        });
    return box;
}

void TComboBox::HandleCreated() { FillWidget(); }

void TComboBox::FillWidget()
{
    auto* box = Box();
    if (!box) return;
    const QSignalBlocker quiet(box);
    box->clear();
    for (const auto& item : FItems.Lines()) box->addItem(QString::fromStdString(item));
    box->setCurrentIndex(FItemIndex);
    if (box->isEditable()) box->setEditText(QString::fromStdString(FText));
}

void TComboBox::SetItemIndex(int value)
{
    if (value < -1 || value >= FItems.Count()) value = -1;
    FItemIndex = value;
    FText = value >= 0 ? FItems[value] : std::string();
    if (auto* box = Box()) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(value);
        if (box->isEditable()) box->setEditText(QString::fromStdString(FText));
    }
}

void TComboBox::SetText(const std::string& value)
{
    FText = value;
    FItemIndex = FItems.IndexOf(value);
    if (auto* box = Box()) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(FItemIndex);
        if (box->isEditable()) box->setEditText(QString::fromStdString(value));
    }
}

void TComboBox::UserPicked(int index)
{
    FItemIndex = index;
    FText = index >= 0 && index < FItems.Count() ? FItems[index] : std::string();
    Changed();
}

void TComboBox::UserEdited(const std::string& text)
{
    FText = text;
    FItemIndex = FItems.IndexOf(text);
    Changed();
}

void TComboBox::Changed()
{
    if (OnChange) OnChange(this);
}

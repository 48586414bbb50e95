#include <gtest/gtest.h>

#include "gui/form.h"
#include "gui/jpegimage.h"
#include "setupctrls/boardhighlight.h"
#include "setupctrls/boardimage.h"
#include "support/jpegfixture.h"
#include "support/uitest.h"

namespace {

void GivePicture(TBoardImage& image, int width, int height)
{
    TPicture picture;
    picture.LoadFromData(fixture::PictureValue("TJPEGImage", fixture::MakeJpeg(width, height, true)));
    image.SetPicture(picture);
}

// A 100 x 80 image, not sized by its picture, with a picture of this size.
TBoardImage* SmallImage(TForm& owner, int pictureWidth, int pictureHeight)
{
    auto* image = new TBoardImage(&owner);
    image->SetAutoSize(false);
    image->SetBounds(0, 0, 100, 80);
    GivePicture(*image, pictureWidth, pictureHeight);
    return image;
}

// A form of a given outer size holding one board image.
struct TImageFixture {
    TForm form{nullptr};
    TBoardImage* image = new TBoardImage(&form);

    TImageFixture(int formWidth, int formHeight)
    {
        form.SetBounds(0, 0, formWidth, formHeight);
        image->SetParent(&form);
    }
    void ShowAndPaint()
    {
        form.Show();
        uitest::ProcessEvents();
        uitest::Snapshot(form);
    }
};

struct TRectCase {
    const char* what;
    bool stretch, center;
    int pictureWidth, pictureHeight;
    TRect expected;  // for a 100 x 80 image
};

const TRectCase kRects[] = {
    {"stretch", true, false, 60, 40, {0, 0, 100, 80}},
    {"stretch wins over center", true, true, 60, 40, {0, 0, 100, 80}},
    {"center", false, true, 60, 40, Bounds(20, 20, 60, 40)},
    {"center, picture wider by 3", false, true, 103, 84, Bounds(-1, -2, 103, 84)},
    {"center, picture wider by 4", false, true, 104, 83, Bounds(-2, -1, 104, 83)},
    {"neither", false, false, 60, 40, {0, 0, 60, 40}},
};

TEST(BoardImage, PictureRectStretchesCentresOrKeepsTheCorner)
{
    for (const auto& c : kRects) {
        SCOPED_TRACE(c.what);
        TForm form(nullptr);
        auto* image = SmallImage(form, c.pictureWidth, c.pictureHeight);
        image->SetStretch(c.stretch);
        image->SetCenter(c.center);
        EXPECT_EQ(image->PictureRect(), c.expected);
    }
}

TEST(BoardImage, RecordsItsDesignPlaceAtTheFirstPaintThenCentresOnTheParentsOuterSize)
{
    TImageFixture f(500, 400);
    f.image->SetAutoSize(false);
    f.image->SetBounds(30, 40, 120, 90);
    f.image->SetLeft(35);  // moved before the first paint: this is the design place
    EXPECT_EQ(f.image->DesignLeft(), 0);
    f.ShowAndPaint();
    EXPECT_EQ(f.image->DesignLeft(), 35);
    EXPECT_EQ(f.image->DesignTop(), 40);
    EXPECT_EQ(f.image->Left(), (f.form.Width() - 120) / 2);
    EXPECT_EQ(f.image->Top(), (f.form.Height() - 90) / 2) << "the form's outer height, not its client height";
    f.image->SetLeft(3);
    f.form.SetBounds(0, 0, 600, 450);
    uitest::ProcessEvents();
    uitest::Snapshot(f.form);
    EXPECT_EQ(f.image->DesignLeft(), 35) << "later moves leave the design place";
    EXPECT_EQ(f.image->Left(), (600 - 120) / 2);
}

TEST(BoardImage, CentresToNegativeOffsetsInASmallerParent)
{
    TImageFixture f(101, 60);
    f.image->SetAutoSize(false);
    f.image->SetBounds(0, 0, 300, 200);
    f.ShowAndPaint();
    EXPECT_EQ(f.image->Left(), (f.form.Width() - 300) / 2);
    EXPECT_LT(f.image->Left(), 0);
    EXPECT_LT(f.image->Top(), 0);
}

TEST(BoardImage, DrawsThePictureStretchedIntoItsArea)
{
    TImageFixture f(400, 300);
    f.image->SetAutoSize(false);
    f.image->SetCenterOnForm(false);
    f.image->SetBounds(10, 10, 120, 100);
    GivePicture(*f.image, 60, 50);
    f.image->SetStretch(true);
    f.ShowAndPaint();
    const QImage shot = uitest::Snapshot(*f.image);
    // The fixture's gradient runs from red 0 at the left to 255 at the right.
    EXPECT_LT(qRed(shot.pixel(2, 50)), 40);
    EXPECT_GT(qRed(shot.pixel(117, 50)), 215);
    EXPECT_EQ(f.image->PaintCount() > 0, true);
}

TEST(BoardImage, IsOpaqueOnlyWhileItsPictureCoversItWhole)
{
    const struct {
        const char* what;
        int pictureWidth, pictureHeight;
        bool stretch, transparent, opaque;
    } cases[] = {
        {"stretched", 10, 10, true, false, true},
        {"large enough", 100, 80, false, false, true},
        {"smaller, not stretched", 99, 80, false, false, false},
        {"transparent", 200, 200, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TForm form(nullptr);
        auto* image = SmallImage(form, c.pictureWidth, c.pictureHeight);
        image->SetStretch(c.stretch);
        image->SetTransparent(c.transparent);
        EXPECT_EQ(image->Opaque(), c.opaque);
        EXPECT_EQ(image->Picture().Graphic()->Transparent(), c.transparent) << "handed on to the graphic";
    }
    TForm form(nullptr);
    EXPECT_FALSE((new TBoardImage(&form))->Opaque()) << "an empty picture";
}

TEST(BoardImage, AutoSizeTakesThePicturesSizeAndKeepsIt)
{
    TImageFixture f(800, 800);
    EXPECT_TRUE(f.image->AutoSize());
    EXPECT_EQ(f.image->Width(), 105);
    GivePicture(*f.image, 600, 652);
    EXPECT_EQ(f.image->Width(), 600);
    EXPECT_EQ(f.image->Height(), 652);
    f.ShowAndPaint();
    f.image->SetBounds(f.image->Left(), f.image->Top(), 300, 200);
    EXPECT_EQ(f.image->Width(), 600) << "once its window exists, the picture's size holds";
    EXPECT_EQ(f.image->Height(), 652);
}

TEST(BoardImage, AutoSizeWithoutAPictureKeepsTheRequestedSize)
{
    TImageFixture f(800, 800);
    f.ShowAndPaint();
    f.image->SetBounds(f.image->Left(), f.image->Top(), 300, 200);
    EXPECT_EQ(f.image->Width(), 300) << "no picture, no size to keep: the image does not collapse";
    EXPECT_EQ(f.image->Height(), 200);
}

TEST(BoardImage, SettersRunThePictureChangeOnlyForNewValues)
{
    TForm form(nullptr);
    auto* image = new TBoardImage(&form);
    const struct {
        const char* what;
        void (TBoardImage::*setter)(bool);
        bool current;
    } setters[] = {{"Center", &TBoardImage::SetCenter, false},
                   {"Stretch", &TBoardImage::SetStretch, false},
                   {"Scale", &TBoardImage::SetScale, true},
                   {"Transparent", &TBoardImage::SetTransparent, false}};
    for (const auto& s : setters) {
        SCOPED_TRACE(s.what);
        const int before = image->InvalidateCount();
        (image->*s.setter)(s.current);
        EXPECT_EQ(image->InvalidateCount(), before);
        (image->*s.setter)(!s.current);
        EXPECT_EQ(image->InvalidateCount(), before + 1);
    }
}

// Records the order in which the board image drives it.
class TStandInCircle : public TBoardHighlight {
public:
    using TBoardHighlight::TBoardHighlight;
    std::vector<std::string> Calls;
    void CMMouseEnter(TMessage& message) override { Calls.push_back("enter " + std::to_string(message.WParam)); }
    void Click() override { Calls.push_back("click"); }
    void CMMouseLeave(TMessage& message) override { Calls.push_back("leave " + std::to_string(message.WParam)); }
};

TEST(BoardImage, OpenFirstPopupEntersClicksAndLeavesTheFirstCircle)
{
    TForm form(nullptr);
    auto* image = new TBoardImage(&form);
    EXPECT_EQ(image->Perform(WM_OPENFIRSTPOPUP), 0) << "without a first circle nothing happens";
    auto* circle = new TStandInCircle(&form);
    circle->SetParent(image);
    image->SetFirst(circle);
    EXPECT_EQ(image->Perform(WM_OPENFIRSTPOPUP, 0, 0), 0);
    EXPECT_EQ(circle->Calls, (std::vector<std::string>{"enter 0", "click", "leave 0"}));
    EXPECT_EQ(WM_OPENFIRSTPOPUP, 0x4A2u);
}

TEST(BoardImage, DraggingDoesNotMoveIt)
{
    TImageFixture f(400, 300);
    f.image->SetAutoSize(false);
    f.image->SetCenterOnForm(false);
    f.image->SetBounds(20, 30, 100, 80);
    int clicks = 0;
    f.image->OnClick = [&](TObject*) { ++clicks; };
    f.ShowAndPaint();
    auto* widget = f.image->Handle();
    const auto send = [&](QEvent::Type type, int x, int y) {
        QMouseEvent event(type, QPointF(x, y), widget->mapToGlobal(QPointF(x, y)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, 10, 10);
    send(QEvent::MouseMove, 40, 30);
    send(QEvent::MouseButtonRelease, 40, 30);
    EXPECT_EQ(f.image->BoundsRect(), Bounds(20, 30, 100, 80));
    EXPECT_EQ(clicks, 1) << "a release inside the image is a click";
}

} // namespace

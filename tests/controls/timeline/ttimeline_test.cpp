#include "../controlstestapp.h"
#include "einvalidoperation.h"
#include "ttimeline.h"

#include <QMouseEvent>
#include <memory>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

struct Recorded
{
    int changes = 0;
    int downs = 0;
    int lastDownPos = 0;
    TShiftState lastShift;
    int moves = 0;
    int lastMovePos = 0;
};

std::unique_ptr<TTimeLine> makeSlider(Recorded &record)
{
    auto slider = std::make_unique<TTimeLine>();
    slider->resize(200, 16);
    slider->OnChange = [&record](TTimeLine *) { ++record.changes; };
    slider->OnMouseDown = [&record](TTimeLine *, TShiftState shift, int, int, int pos) {
        ++record.downs;
        record.lastDownPos = pos;
        record.lastShift = shift;
    };
    slider->OnMouseMove = [&record](TTimeLine *, TShiftState, int, int, int pos) {
        ++record.moves;
        record.lastMovePos = pos;
    };
    return slider;
}

} // namespace

TEST(TTimeLine, PublishesItsDefaults)
{
    TTimeLine slider;
    EXPECT_EQ(slider.property("Kind").value<TGaugeKind>(), TGaugeKind::gkHorizontalBar);
    EXPECT_EQ(slider.property("MinValue").toInt(), 0);
    EXPECT_EQ(slider.property("MaxValue").toInt(), 100);
    EXPECT_EQ(slider.property("Progress").toInt(), 50);
    EXPECT_EQ(slider.property("Step").toInt(), 0);
    EXPECT_EQ(slider.property("ForeColor").toUInt(), 0u);
    EXPECT_EQ(slider.property("BackColor").toUInt(), 16777215u);
    EXPECT_EQ(slider.property("SelectForeColor").toUInt(), 0u);
    EXPECT_EQ(slider.property("BackIslessFore").toInt(), 2);
    EXPECT_EQ(slider.property("Mode").toInt(), 1);
    EXPECT_EQ(slider.property("Mode_2_Div").toInt(), 19);
    EXPECT_EQ(slider.property("AntiAliasLevel").toInt(), 0);
    EXPECT_TRUE(slider.property("ToChangeMouse").toBool());
    EXPECT_FALSE(slider.property("ToChangeMouseMove").toBool());
    EXPECT_FALSE(slider.property("Select").toBool());
    EXPECT_EQ(slider.size(), QSize(100, 100));
    slider.setMinValue(40);
    EXPECT_EQ(slider.minValue(), 0);
    EXPECT_TRUE(slider.setProperty("MaxValue", 225));
    EXPECT_EQ(slider.maxValue(), 225);
}

TEST(TTimeLine, NegativeMaximumRaisesAndKeepsTheRange)
{
    TTimeLine slider;
    slider.setMaxValue(300);
    try {
        slider.setMaxValue(-1);
        FAIL() << "no error raised";
    } catch (const EInvalidOperation &error) {
        EXPECT_STREQ(error.what(), "Value must be between 1 and 2147483647");
    }
    EXPECT_EQ(slider.maxValue(), 300);
    slider.setMaxValue(0);
    EXPECT_EQ(slider.maxValue(), 0);
    EXPECT_EQ(slider.progress(), 0);
}

TEST(TTimeLine, LoweringMaximumLowersProgressSilently)
{
    Recorded record;
    auto slider = makeSlider(record);
    slider->setProgress(80);
    record.changes = 0;
    slider->setMaxValue(60);
    EXPECT_EQ(slider->progress(), 60);
    EXPECT_EQ(record.changes, 0);
}

TEST(TTimeLine, ProgressClampsAndReportsEveryAssignment)
{
    Recorded record;
    auto slider = makeSlider(record);
    slider->setProgress(150);
    EXPECT_EQ(slider->progress(), 100);
    slider->setProgress(-4);
    EXPECT_EQ(slider->progress(), 0);
    slider->setProgress(0);
    EXPECT_EQ(record.changes, 3);
    slider->setStep(30);
    slider->StepUp();
    slider->StepUp();
    slider->StepUp();
    slider->StepUp();
    EXPECT_EQ(slider->progress(), 100);
    slider->StepDown();
    EXPECT_EQ(slider->progress(), 70);
    EXPECT_EQ(record.changes, 8);
}

TEST(TTimeLine, RepaintsOnlyWhenTheFilledLengthChanges)
{
    Recorded record;
    auto slider = makeSlider(record);
    slider->setMaxValue(10000); // 200 pixels: about 50 values per pixel
    slider->setProgress(0);
    slider->show();
    QApplication::processEvents();
    PaintCounter counter;
    slider->installEventFilter(&counter);

    slider->setProgress(10); // round(10 * 201 / 10000) = 0: same length
    EXPECT_EQ(counter.paints, 0);
    slider->setProgress(100); // length 2
    EXPECT_EQ(counter.paints, 1);
    slider->setProgress(100);
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(record.changes, 4);
    EXPECT_EQ(bgrAt(slider->picture(), 1, 8), slider->foreColor());
    EXPECT_EQ(bgrAt(slider->picture(), 2, 8), slider->backColor());
}

TEST(TTimeLine, PressSetsTheValueUnderThePointer)
{
    Recorded record;
    auto slider = makeSlider(record);
    slider->setMaxValue(3600);
    sendMouse(slider.get(), QEvent::MouseButtonPress, {50, 8}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(slider->progress(), 900);
    EXPECT_EQ(record.downs, 1);
    EXPECT_EQ(record.lastDownPos, 900);
    EXPECT_TRUE(record.lastShift.testFlag(TInputFlag::Left));
}

TEST(TTimeLine, MouseShiftFiltersPressesButEventsStillFire)
{
    Recorded record;
    auto slider = makeSlider(record);
    slider->MouseShift = TInputFlag::Left;
    slider->setProgress(10);
    sendMouse(slider.get(), QEvent::MouseButtonPress, {150, 8}, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(slider->progress(), 10);
    EXPECT_EQ(record.downs, 1);
    EXPECT_EQ(record.lastDownPos, 75);
    slider->MouseShift = TInputFlag::Left | TInputFlag::Ctrl;
    sendMouse(slider.get(), QEvent::MouseButtonPress, {150, 8}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(slider->progress(), 10);
    sendMouse(slider.get(), QEvent::MouseButtonPress, {150, 8}, Qt::LeftButton, Qt::LeftButton,
              Qt::ControlModifier);
    EXPECT_EQ(slider->progress(), 75);
    slider->ToChangeMouse = false;
    sendMouse(slider.get(), QEvent::MouseButtonPress, {20, 8}, Qt::LeftButton, Qt::LeftButton,
              Qt::ControlModifier);
    EXPECT_EQ(slider->progress(), 75);
}

TEST(TTimeLine, DragChangesOnlyWithLeftButtonAndReportsUnclampedValues)
{
    Recorded record;
    auto slider = makeSlider(record);
    slider->setProgress(0);
    sendMouse(slider.get(), QEvent::MouseMove, {100, 8}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(slider->progress(), 0); // ToChangeMouseMove is off
    slider->ToChangeMouseMove = true;
    sendMouse(slider.get(), QEvent::MouseMove, {100, 8}, Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(slider->progress(), 0);
    sendMouse(slider.get(), QEvent::MouseMove, {100, 8}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(slider->progress(), 50);
    sendMouse(slider.get(), QEvent::MouseMove, {260, 8}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(slider->progress(), 100);
    EXPECT_EQ(record.lastMovePos, 130);
    EXPECT_EQ(record.moves, 4);
    EXPECT_TRUE(slider->MouseOver());
    // Each left-button move is a press: it is reported as one, with the unclamped value.
    EXPECT_EQ(record.downs, 2);
    EXPECT_EQ(record.lastDownPos, 130);
    EXPECT_TRUE(record.lastShift.testFlag(TInputFlag::Left));
}

TEST(TTimeLine, LeftOnlyShiftLetsADragThroughButNotARightPress)
{
    Recorded record;
    auto slider = makeSlider(record);
    slider->ToChangeMouseMove = true;
    slider->MouseShift = TInputFlag::Left;
    slider->setProgress(0);
    sendMouse(slider.get(), QEvent::MouseButtonPress, {100, 8}, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(slider->progress(), 0);
    EXPECT_FALSE(slider->IsDragging());
    sendMouse(slider.get(), QEvent::MouseButtonPress, {40, 8}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(slider->IsDragging());
    EXPECT_EQ(slider->progress(), 20);
    sendMouse(slider.get(), QEvent::MouseMove, {120, 8}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(slider->progress(), 60);
    sendMouse(slider.get(), QEvent::MouseButtonRelease, {120, 8}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(slider->IsDragging());
    EXPECT_EQ(record.downs, 3);
}

TEST(TTimeLine, EmptyRangeKeepsProgressAtZero)
{
    Recorded record;
    auto slider = makeSlider(record);
    slider->setMaxValue(0);
    sendMouse(slider.get(), QEvent::MouseButtonPress, {150, 8}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(slider->progress(), 0);
    EXPECT_EQ(record.lastDownPos, 0);
}

TEST(TTimeLine, VerticalPressAtTheEnds)
{
    Recorded record;
    auto slider = makeSlider(record);
    slider->setKind(TGaugeKind::gkVerticalBar);
    slider->resize(16, 194);
    slider->setMaxValue(225);
    sendMouse(slider.get(), QEvent::MouseButtonPress, {8, 0}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(slider->progress(), 225);
    sendMouse(slider.get(), QEvent::MouseButtonPress, {8, 193}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(slider->progress(), 1);
}

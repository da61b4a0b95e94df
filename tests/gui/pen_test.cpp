// A pen on the pad, delivered as Qt's tablet events: the tip plays with its pressure after the attack
// and its tilt as controllers, the side button sweeps the colours, and leaving the tablet ends the note.
#include "tests/gui/main_window_fixture.h"

#include "tests/support/window_play.h"

#include <QApplication>
#include <QPointingDevice>
#include <QTabletEvent>

using ::testing::ElementsAre;

namespace {

constexpr QPoint kSpot{120, 80};

class Pen : public MainWindowTest {
protected:
    void SetUp() override
    {
        driver.addDevice("Synth");
        openWindowPlayingOn("Synth");
        TPlayingSettings playing;
        playing.afterAttack = TAfterAttack::Pressure;
        playing.penTiltXController = 16;
        playing.penTiltYController = 17;
        form->SetPlaying(playing);
        driver.clearRecords();
    }
    void pen(QEvent::Type type, double pressure, double tiltX, Qt::MouseButtons buttons,
             Qt::MouseButton button = Qt::NoButton)
    {
        QTabletEvent event(type, &stylus, kSpot, form->TabSheetPad->mapToGlobal(kSpot), pressure, float(tiltX), 0, 0, 0,
                           0, Qt::NoModifier, button, buttons);
        QObject* target = type == QEvent::TabletLeaveProximity ? static_cast<QObject*>(qApp) : form->TabSheetPad;
        QApplication::sendEvent(target, &event);
    }

    QPointingDevice stylus{"stylus", 7, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Pen,
                           QInputDevice::Capability::Position | QInputDevice::Capability::Pressure |
                               QInputDevice::Capability::XTilt | QInputDevice::Capability::YTilt,
                           1, 3};
};

} // namespace

TEST_F(Pen, PressureSwellsOneNoteTiltSendsItsControllersAndLeavingTheTabletEndsTheNote)
{
    pen(QEvent::TabletPress, 0.2, 0, Qt::LeftButton, Qt::LeftButton);
    pen(QEvent::TabletMove, 0.8, 0, Qt::LeftButton);
    pen(QEvent::TabletMove, 0.8, 60, Qt::LeftButton);
    pen(QEvent::TabletLeaveProximity, 0, 0, Qt::NoButton);
    EXPECT_THAT(sent(), ElementsAre(control(16, 64), control(17, 64), noteOnAt(kSpot), pressure(25), pressure(102),
                                    control(16, 127), noteOffAt(kSpot), pressure(0)));
}

TEST_F(Pen, SideButtonMakesThePenTheRightButton)
{
    pen(QEvent::TabletPress, 0.5, 0, Qt::LeftButton | Qt::MiddleButton, Qt::LeftButton);
    pen(QEvent::TabletRelease, 0, 0, Qt::NoButton, Qt::LeftButton);
    const std::vector<Msg> messages = sent();
    ASSERT_FALSE(messages.empty());
    for (const Msg& message : messages) {
        EXPECT_EQ(message.status, 0xB0) << message;
        EXPECT_TRUE(message.data1 >= 2 && message.data1 <= 4) << message;
    }
}

// Fingers on the pad, delivered as a touch screen's events through Qt: in Poly each finger is a voice
// of its own; in Mono a finger is still the mouse that Qt makes of it.
#include "tests/gui/main_window_fixture.h"

#include "tests/support/window_play.h"

#include <QApplication>
#include <QPointingDevice>
#include <QTouchEvent>
#include <QTest>

using ::testing::ElementsAre;

namespace {

constexpr QPoint kLow{40, 200}, kHigh{300, 60}, kHigher{330, 60};

class TouchVoices : public MainWindowTest {
protected:
    void playWith(TPolyphony polyphony)
    {
        driver.addDevice("Synth");
        openWindowPlayingOn("Synth");
        chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxPolyphony, static_cast<int>(polyphony));
        driver.clearRecords();
    }
    // Points on the Pad page; Qt delivers touches to the window that holds it.
    QTest::QTouchEventWidgetSequence touch() { return QTest::touchEvent(form.get(), screen); }

    QPointingDevice* screen = QTest::createTouchDevice();
};

} // namespace

TEST_F(TouchVoices, PolyFingersPlayAChordAndEachNoteEndsWithItsFinger)
{
    playWith(TPolyphony::Poly);
    touch().press(1, inWindow(kLow));
    touch().stationary(1).press(2, inWindow(kHigh));
    touch().stationary(1).move(2, inWindow(kHigher));
    touch().release(1, inWindow(kLow)).stationary(2);
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(kLow), noteOnAt(kHigh), noteOffAt(kHigh), noteOnAt(kHigher),
                                    noteOffAt(kLow)));
    driver.clearRecords();
    form->PageControl->setCurrentWidget(form->TabSheetSettings);  // ends every voice
    EXPECT_THAT(sent(), ElementsAre(noteOffAt(kHigher)));
    touch().release(2, inWindow(kHigher));
    EXPECT_THAT(sent(), ElementsAre(noteOffAt(kHigher)));
}

TEST_F(TouchVoices, CancelledTouchEndsItsVoicesAndMonoLeavesTheFingerToTheMouse)
{
    playWith(TPolyphony::Poly);
    touch().press(1, inWindow(kLow)).press(2, inWindow(kHigh));
    QTouchEvent cancel(QEvent::TouchCancel, screen);
    QApplication::sendEvent(form->TabSheetPad, &cancel);
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(kLow), noteOnAt(kHigh), noteOffAt(kLow), noteOffAt(kHigh)));
    chooseEntry(*form->TabSheetSettings->PanelPlaying->ComboBoxPolyphony, static_cast<int>(TPolyphony::Mono));
    driver.clearRecords();
    touch().press(1, inWindow(kLow));
    touch().release(1, inWindow(kLow));
    EXPECT_THAT(sent(), ElementsAre(noteOnAt(kLow), noteOffAt(kLow)));
}

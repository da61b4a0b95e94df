#include "tests/support/window_play.h"

#include "app/form_main.h"
#include "app/port_selector.h"
#include "app/settings_page.h"
#include "app/start_up.h"

#include <QApplication>
#include <QComboBox>
#include <QWheelEvent>

#include <gtest/gtest.h>

void chooseMidiOutPort(TFormMain& form, const QString& name)
{
    form.StartUp().StartPorts();  // as opening the drop-down does, should the first frame not have yet
    QComboBox& list = *form.TabSheetSettings->ComboBoxMidiOutPort;
    const int index = list.findText(name);
    ASSERT_NE(index, -1) << name.toStdString() << " is not listed";
    chooseEntry(list, index);
}

void chooseEntry(QComboBox& list, int index)
{
    list.setCurrentIndex(index);
    emit list.activated(index);
}

void turnWheel(QWidget& widget, int delta, QPoint at)
{
    QWheelEvent event(QPointF(at), QPointF(widget.mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

std::pair<uint8_t, uint8_t> noteAndVelocityAt(const TFormMain& form, QPoint at)
{
    return form.Performer().Pad().NoteAndVelocityAt(at.x(), at.y());
}

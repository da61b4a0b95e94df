// TImagePad: the pad image control. It draws the pad picture stretched over its whole area, each axis
// on its own, and redraws when the picture changes. It is disabled and lets every pointer event fall
// through to the page beneath, whose coordinates equal its own. When the pad is split into note zones,
// it marks their boundaries and names their notes over the picture; colours are still read from the
// picture alone.
#pragma once

#include "pad/playing.h"

#include <QWidget>

#include <cstdint>

class QPainter;
class TPadImage;

class TImagePad : public QWidget {
    Q_OBJECT

public:
    TImagePad(TPadImage& image, QWidget* parent = nullptr);

    // The picture's colour under pad point (x, y), for the pad at its current size.
    uint32_t SampleColour(int32_t x, int32_t y);
    // The zones to mark; a continuous map shows the picture alone.
    void SetZones(const TPlayingMap& zones);
    // The first pad column of zone `zone` (1..count - 1), where a boundary is drawn.
    int32_t ZoneStart(int zone) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintZones(QPainter& painter) const;

    TPadImage& image_;
    TPlayingMap zones_;
};

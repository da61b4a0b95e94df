// The window's title, written at most once per frame of the screen. Each write is a round through the
// window system that holds up the next pointer event; a title that changes faster than the screen
// shows frames would show nothing more.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>

class QWidget;

class TTitleWriter {
public:
    explicit TTitleWriter(QWidget& window);

    // Writes `title` now when the last write is a frame old, otherwise once that frame is over; of
    // the titles given meanwhile, the last one is written.
    void write(const QString& title);

private:
    void writePending();

    QWidget& window_;
    QString pending_;
    QElapsedTimer sinceWrite_;
    QTimer frameEnd_;
};

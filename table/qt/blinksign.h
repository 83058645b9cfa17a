// A two-frame picture that blinks (300 ms a frame) while the board holds
// sets that are not valid, and rests on its first frame otherwise.
#pragma once

#include <QLabel>
#include <QPixmap>

class QTimer;

class BlinkSign : public QLabel {
    Q_OBJECT
public:
    BlinkSign(const QPixmap& quiet, const QPixmap& lit, QWidget* parent);

    void play();
    // Stops on the first frame.
    void stop();
    int frame() const { return m_frame; }

private:
    void showFrame(int frame);

    QPixmap m_frames[2];
    int m_frame = 0;
    QTimer* m_timer;
};

#include "app/picker/timeline_slider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace reelsnap {

TimelineSlider::TimelineSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

void TimelineSlider::SetKeyFrames(std::vector<std::int32_t> keyFrames) {
    keyFrames_ = std::move(keyFrames);
    update();
}

void TimelineSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (keyFrames_.empty() || maximum() <= minimum()) return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    // The handle's centre travels over the groove less the handle's width.
    const int span = groove.width() - handle.width();
    const int left = groove.left() + handle.width() / 2;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    int lastX = -1;  // a long movie has more key frames than pixels
    for (const std::int32_t key : keyFrames_) {
        const int x = left + QStyle::sliderPositionFromValue(minimum(), maximum(), key, span);
        if (x == lastX) continue;
        lastX = x;
        painter.drawLine(x, height() - 4, x, height() - 1);
    }
}

}  // namespace reelsnap

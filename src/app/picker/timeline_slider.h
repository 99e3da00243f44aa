// The picker's timeline: a slider over the movie's frames with its key
// frames ticked under the groove.
#pragma once

#include <QSlider>
#include <cstdint>
#include <vector>

namespace reelsnap {

class TimelineSlider : public QSlider {
    Q_OBJECT
  public:
    explicit TimelineSlider(QWidget* parent = nullptr);
    void SetKeyFrames(std::vector<std::int32_t> keyFrames);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<std::int32_t> keyFrames_;
};

}  // namespace reelsnap

#pragma once
// TLipPicture: a small drawn mouth that moves while speech is playing. The speech engine
// reports no mouth shapes, so the picture asks a speaking query on its own timer and opens
// and closes the mouth through a cycle of shapes while the answer is yes; an engine that
// does report shapes can set them directly.

#include <QWidget>

#include <functional>

class QTimer;

namespace sv {

class TLipPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int ShapeCount = 5; // 0 closed .. 4 wide open
    static constexpr int FrameInterval = 110;

    explicit TLipPicture(QWidget* parent = nullptr);

    // Polled every frame; while it returns true the mouth moves.
    void SetSpeakingQuery(std::function<bool()> query);
    // Shows one shape (0..ShapeCount-1; others close the mouth).
    void SetShape(int shape);
    int Shape() const { return m_shape; }
    // One animation step, as the timer does it.
    void Step();

    QSize sizeHint() const override { return {64, 40}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::function<bool()> m_speaking;
    QTimer* m_timer;
    int m_shape = 0;
    int m_frame = 0;
};

} // namespace sv

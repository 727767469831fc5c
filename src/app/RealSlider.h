#pragma once

#include <QSlider>

namespace tinkella::app {

// A horizontal slider over a range of reals. QSlider counts in integers, so the range is laid
// out in steps of 1/stepsPerUnit; the knob stops anywhere on that fine grid and values set from
// outside are kept exactly (realValue() answers them unrounded until the user moves the knob).
// A left click on the groove moves the knob there at once (instead of stepping a page towards
// it) and starts a drag. Main thread only.
class RealSlider : public QSlider {
    Q_OBJECT

public:
    static constexpr int stepsPerUnit = 1000;

    explicit RealSlider(QWidget* parent = nullptr);

    void setRealRange(double lowest, double highest);
    double realMinimum() const { return minimum_; }
    double realMaximum() const { return maximum_; }
    // count marks spread evenly from minimum to maximum; 0 shows none.
    void setTickMarkCount(int count);
    int tickMarkCount() const { return tickMarks_; }

    double realValue() const;
    // Shows the value (clamped to the range for the knob) without emitting any signal.
    void setRealValue(double value);
    // The knob position of a real value, and back.
    int toSteps(double value) const;
    double fromSteps(int steps) const;

signals:
    // The user (or the keyboard) moved the knob; value is the new real value.
    void realValueChanged(double value);

private:
    double minimum_ = 0.0;
    double maximum_ = 1.0;
    int tickMarks_ = 0;
    double exact_ = 0.0;
    bool hasExact_ = false;
};

} // namespace tinkella::app

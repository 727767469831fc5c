#include "app/RealSlider.h"

#include <QProxyStyle>
#include <QSignalBlocker>
#include <cmath>

namespace tinkella::app {

namespace {

class AbsoluteClickStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_Slider_AbsoluteSetButtons) {
            return Qt::LeftButton;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

RealSlider::RealSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    auto* style = new AbsoluteClickStyle;
    style->setParent(this);
    setStyle(style);
    setRealRange(0.0, 1.0);
    connect(this, &QSlider::valueChanged, this, [this](int steps) {
        hasExact_ = false;
        emit realValueChanged(fromSteps(steps));
    });
}

void RealSlider::setRealRange(double lowest, double highest) {
    minimum_ = lowest;
    maximum_ = highest;
    const QSignalBlocker blocker(this);
    setRange(0, toSteps(highest));
    setSingleStep(stepsPerUnit / 10);
    setPageStep(std::max(1, maximum_ > minimum_ ? (maximum() - minimum()) / 10 : 1));
    setTickMarkCount(tickMarks_);
}

void RealSlider::setTickMarkCount(int count) {
    tickMarks_ = count;
    if (count < 2) {
        setTickPosition(QSlider::NoTicks);
        return;
    }
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(std::max(1, (maximum() - minimum()) / (count - 1)));
}

int RealSlider::toSteps(double value) const {
    if (!std::isfinite(value) || value <= minimum_) {
        return 0;
    }
    const double steps = std::round((std::min(value, maximum_) - minimum_) * stepsPerUnit);
    return static_cast<int>(steps);
}

double RealSlider::fromSteps(int steps) const {
    return minimum_ + static_cast<double>(steps) / stepsPerUnit;
}

double RealSlider::realValue() const {
    return hasExact_ ? exact_ : fromSteps(value());
}

void RealSlider::setRealValue(double value) {
    const QSignalBlocker blocker(this);
    setValue(toSteps(value));
    exact_ = value;
    hasExact_ = true;
}

} // namespace tinkella::app

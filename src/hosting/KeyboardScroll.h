#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QEvent;
class QScrollArea;
class QTimer;

namespace tinkella {

class NotificationCenter;
class PianoView;
class QtPianoWidget;

// The piano window's keyboard in its scroll area, and the scroll position as the note offset
// 0 .. 96 (0 shows the left end of the keyboard, 96 the right end, linearly between): the
// keyboard widget is as wide as the view's keyboard (W = 70 slots × the view's key width), an
// offset scrolls to (W - visible width) × preferences::scrollFraction(offset), and a scroll by hand
// (the scroll bar dragged, stepped or clicked, a wheel run) is a live scroll: PianoResizingStarted
// is posted, the offset the window shows is measured every 0.04 s and handed to
// offsetScrolledByHand, and PianoResizingEnded is posted when it ends. Main thread only.
class KeyboardScroll : public QObject {
    Q_OBJECT

public:
    static constexpr double liveScrollInterval = 0.04; // seconds
    // A run of wheel events without phases, or of scroll bar steps (arrows, track clicks),
    // counts as ended after this pause, in seconds.
    static constexpr double wheelScrollPause = 0.2;

    // view: the window's keyboard view, shown by keyboard inside scrollView. All of them and
    // center must outlive this object; offsetScrolledByHand gets each measured offset.
    KeyboardScroll(PianoView& view, QScrollArea& scrollView, QtPianoWidget& keyboard,
                   NotificationCenter& center, std::function<void(float)> offsetScrolledByHand);
    ~KeyboardScroll() override;
    KeyboardScroll(const KeyboardScroll&) = delete;
    KeyboardScroll& operator=(const KeyboardScroll&) = delete;

    // The keyboard width W in points, bounded by what the toolkit can lay out.
    double keyboardWidth() const;
    // The document position the last scroll asked for; the toolkit shows it rounded to a
    // whole pixel.
    double requestedScrollX() const { return requestedScrollX_; }

    // The note offset last set or measured, 0 .. 96 as measured; a set value is kept as given.
    float noteOffset() const { return lastNoteOffset_; }
    // Scrolls to the offset.
    void setNoteOffset(float noteOffset);
    // Scrolls by whole octaves (left when negative), within the keyboard's ends, and hands the
    // offset then shown to offsetScrolledByHand, as a scroll by hand would.
    void scrollByOctaves(int octaves);
    // After a change of the view's key width: resizes the keyboard, redraws it and scrolls to
    // the same offset. Also lays out a window that has just got its size.
    void keyWidthChanged();

    // Start and end of a scroll by hand: posts PianoResizingStarted / PianoResizingEnded and
    // runs the sampling timer in between.
    void willStartLiveScroll();
    void didEndLiveScroll();
    bool isLiveScrolling() const { return liveScrolling_; }
    // One tick of the sampling timer: the offset shown, preferences::noteOffsetAt() of the
    // scroll proportion.
    void sampleLiveScroll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void resizeKeyboard();
    void scrollTo(double x);
    double clipWidth() const;
    double visibleOriginX() const;
    void liveSourceChanged();

    PianoView& view_;
    QScrollArea& scrollView_;
    QtPianoWidget& keyboard_;
    NotificationCenter& center_;
    std::function<void(float)> offsetScrolledByHand_;
    QPointer<QWidget> viewport_; // watched for wheel events
    float lastNoteOffset_ = 0;
    double requestedScrollX_ = 0;
    double lastSampledOriginX_ = -1;
    std::unique_ptr<QTimer> liveScrollTimer_;
    std::unique_ptr<QTimer> wheelEndTimer_;
    std::unique_ptr<QTimer> stepEndTimer_;
    bool sliderHeld_ = false;
    bool wheelScrolling_ = false;
    bool stepScrolling_ = false; // scroll bar arrows and track clicks
    bool liveScrolling_ = false;
};

} // namespace tinkella

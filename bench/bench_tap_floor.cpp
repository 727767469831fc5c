// The floor for finger to sound: the most a trivial program does with a tap. A plain Qt window
// (on the platform plugin Qt picks, as the keyboard's windows are) that on a touch or a mouse
// press starts a constant on "tap-floor:out" from the next JACK cycle (TapFloor). Nothing else
// happens between the toolkit's event and the sound, so the time a tap takes to reach a listener
// through it is the window system's, the toolkit's and the JACK graph's; what the keyboard takes
// beyond it is its own.
//
//   bench_tap_floor [X Y WIDTH HEIGHT]   (server: JACK_DEFAULT_SERVER, never started)
#include "TapFloor.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class TapWindow : public QWidget {
public:
    explicit TapWindow(tinkella::testing::TapFloor& floor) : floor_(floor) {
        setAttribute(Qt::WA_AcceptTouchEvents);
        setWindowTitle("Tap floor");
    }

protected:
    bool event(QEvent* event) override {
        switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::MouseButtonPress:
            floor_.tap();
            [[fallthrough]];
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            event->accept();
            return true;
        default:
            return QWidget::event(event);
        }
    }

private:
    tinkella::testing::TapFloor& floor_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tinkella::testing::TapFloor floor;
    if (!floor.open("tap-floor")) {
        std::fprintf(stderr, "bench_tap_floor: no JACK server\n");
        return 1;
    }
    TapWindow window(floor);
    if (argc > 4) {
        window.setGeometry(std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]),
                           std::atoi(argv[4]));
    } else {
        window.resize(400, 300);
    }
    window.show();
    return QApplication::exec();
}

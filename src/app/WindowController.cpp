#include "app/WindowController.h"

#include "app/ChannelPacer.h"
#include "app/ExpressionPacer.h"
#include "app/GeneralTab.h"
#include "app/KeyboardTab.h"
#include "app/MidiTab.h"
#include "hosting/PianoWindowController.h"
#include "hosting/TouchBarController.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "outputs/MIDIOutput.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <array>

namespace tinkella::app {

WindowController::WindowController(std::unique_ptr<QMenuBar> mainMenu)
    : defaults_(DefaultsController::shared()) {
    defaults_.registerDefaults(preferences::registeredDefaults());

    // The piano window goes up first, so that the window manager frames it while the panel is
    // being made; both are on the screen sooner than when the one waits for the other.
    keyboardWindow_ = std::make_unique<PianoWindowController>();
    keyboardWindow_->setStripPianoView(&TouchBarController::sharedInstance().pianoView());
    if (mainMenu) {
        QMenuBar* bar = mainMenu.release();
        keyboardWindow_->window()->setMenuBar(bar);
        // F10 opens the first menu, from where the arrows reach every command.
        auto* openMenus = new QShortcut(QKeySequence(Qt::Key_F10), keyboardWindow_->window());
        connect(openMenus, &QShortcut::activated, bar, [bar] {
            if (!bar->actions().isEmpty()) {
                bar->setActiveAction(bar->actions().constFirst());
            }
        });
    }
    keyboardWindow_->showWindow();

    panel_ =
        std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::CustomizeWindowHint |
                                               Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    panel_->setWindowTitle(tr("Settings"));
    panel_->setObjectName(QStringLiteral("settingsPanel"));
    // Shown again as the application becomes active, the panel leaves the focus where the user
    // put it (the piano window, typically); opened on purpose, it is activated (showWindow).
    panel_->setAttribute(Qt::WA_ShowWithoutActivating);
    panel_->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &WindowController::applicationStateChanged);

    // The General tab binds its controls as it is made; the others as they are made later.
    general_ = new GeneralTab(defaults_, this);
    makeContentView();
    fitPanel();
    placePanel();

    expressionPacer_ = new ExpressionPacer(defaults_, PianoController::sharedInstance(),
                                           MIDIOutput::shared(), this);
    channelPacer_ =
        new ChannelPacer(defaults_, PianoController::sharedInstance(), MIDIOutput::shared(), this);
    general_->applyOutputMode();
}

WindowController::~WindowController() {
    if (panel_) {
        panel_->removeEventFilter(this);
    }
}

KeyboardTab& WindowController::keyboard() {
    if (keyboard_ == nullptr) {
        keyboard_ = new KeyboardTab(defaults_, this);
        placeTab(keyboardPage, keyboard_);
    }
    return *keyboard_;
}

MidiTab& WindowController::midi() {
    if (midi_ == nullptr) {
        midi_ = new MidiTab(defaults_, this);
        placeTab(midiPage, midi_);
    }
    return *midi_;
}

void WindowController::makeDeferredTabs() {
    keyboard();
    midi();
}

void WindowController::placeTab(std::size_t index, SettingsTab* tab) {
    tabs_[index] = tab;
    places_[index]->layout()->addWidget(tab->page());
    // Shorter than the General page in every language so far; a longer one grows the panel,
    // which keeps its corner.
    const QSize before = panel_->size();
    fitPanel();
    if (panel_->size() != before) {
        placePanel();
    }
}

void WindowController::fitPanel() {
    // A language whose texts need more room than English makes the panel taller, and wider up
    // to maxPanelWidth; in English the content fits panelWidth x panelHeight.
    const QSize needed = panel_->sizeHint();
    panel_->setFixedSize(std::clamp(needed.width(), panelWidth, maxPanelWidth),
                         std::max(needed.height(), panelHeight));
}

void WindowController::makeContentView() {
    creditLabel_ = new QLabel(tr(creditLine));
    creditLabel_->setFont(QApplication::font());
    creditLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    creditLabel_->setTextInteractionFlags(Qt::NoTextInteraction);
    // 17 points in English; a script whose font has taller lines takes what it needs.
    creditLabel_->setFixedHeight(std::max(17, creditLabel_->sizeHint().height()));

    auto* pages = new QStackedWidget;
    // The tabs take the room between the credit line and the first row.
    auto* bar = new QTabBar;
    bar->setObjectName(QStringLiteral("settingsTabs"));
    const std::array<QString, pageCount> titles{general_->title(), KeyboardTab::tabTitle(),
                                                MidiTab::tabTitle()};
    for (std::size_t index = 0; index < pageCount; ++index) {
        if (index == generalPage) {
            tabs_[index] = general_;
            pages->addWidget(general_->page());
        } else {
            places_[index] = new QWidget;
            (new QVBoxLayout(places_[index]))->setContentsMargins(0, 0, 0, 0);
            pages->addWidget(places_[index]);
        }
        bar->addTab(titles[index]);
    }
    // A page not made yet, chosen on the bar or by a test, is made as it comes up.
    connect(pages, &QStackedWidget::currentChanged, this, [this](int index) {
        if (index == keyboardPage) {
            keyboard();
        } else if (index == midiPage) {
            midi();
        }
    });
    bar->setAccessibleName(tr("Settings pages"));
    bar->setDrawBase(false);
    bar->setExpanding(false);
    bar->setFixedHeight(24);
    connect(bar, &QTabBar::currentChanged, pages, &QStackedWidget::setCurrentIndex);

    auto* main = new QVBoxLayout(panel_.get());
    main->setContentsMargins(18, 8, panelWidth - 18 - SettingsTab::columnWidth, 16);
    main->setSpacing(0);
    main->addWidget(creditLabel_, 0, Qt::AlignHCenter);
    main->addWidget(bar, 0, Qt::AlignHCenter);
    main->addWidget(pages);
}

void WindowController::placePanel() {
    // The panel's content sits with its bottom-left corner at (panelLeft, panelBottom) above
    // the primary screen's bottom-left corner, moved inside the screen if that is smaller.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const int width = panel_->width();
    const int height = panel_->height();
    int x = area.left() + panelLeft;
    int y = area.top() + area.height() - panelBottom - height;
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - width));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - height));
    panel_->setGeometry(x, y, width, height);
}

bool WindowController::shouldShowSettingsAtLaunch() const {
    return preferences::read(defaults_, preferences::settingsVisible);
}

void WindowController::showWindow() {
    hiddenForDeactivation_ = false;
    panel_->show();
    panel_->raise();
    panel_->activateWindow();
    // Opened from the keyboard, the panel starts at its page's first control.
    const int shown = panel_->findChild<QStackedWidget*>()->currentIndex();
    const SettingsTab* tab = shown >= 0 && static_cast<std::size_t>(shown) < tabs_.size()
                                 ? tabs_[static_cast<std::size_t>(shown)]
                                 : nullptr;
    QWidget* first = tab != nullptr ? tab->firstControl() : nullptr;
    if (panel_->focusWidget() == nullptr && first != nullptr) {
        first->setFocus();
    }
}

bool WindowController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_.get() && event->type() == QEvent::Close) {
        settingsPanelWillClose();
    }
    return QObject::eventFilter(watched, event);
}

void WindowController::settingsPanelWillClose() {
    hiddenForDeactivation_ = false;
    defaults_.setObject(DefaultsValue::boolean(false), preferences::settingsVisible);
}

void WindowController::applicationStateChanged(Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive) {
        if (hiddenForDeactivation_) {
            hiddenForDeactivation_ = false;
            panel_->show();
        }
        return;
    }
    if (panel_->isVisible()) {
        hiddenForDeactivation_ = true;
        panel_->hide();
    }
}

} // namespace tinkella::app

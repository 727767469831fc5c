#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tinkella {

class PianoView;

// Names an item of a touch strip, e.g. "com.quorvin.piano.label".
using TouchBarItemIdentifier = std::string;

// The identifier the toolkit's own items take the place of in a bar's default items. A strip
// that has no items of its own to offer shows nothing there.
inline const TouchBarItemIdentifier TouchBarItemIdentifierOtherItemsProxy =
    "NSTouchBarItemIdentifierOtherItemsProxy";

// One item of a touch strip that shows a piano view. Main thread only.
class CustomTouchBarItem {
public:
    explicit CustomTouchBarItem(std::string identifier) : identifier_(std::move(identifier)) {}

    const std::string& identifier() const { return identifier_; }
    // The view shown by the item; not owned: its owner keeps it for as long as the item is shown.
    PianoView* view() const { return view_; }
    void setView(PianoView* view) { view_ = view; }

private:
    std::string identifier_;
    PianoView* view_ = nullptr;
};

class TouchBar;

// Makes the items of a bar on demand, one per identifier.
class TouchBarDelegate {
public:
    virtual ~TouchBarDelegate() = default;
    // An item for the identifier, or none when the delegate offers nothing under it.
    virtual std::unique_ptr<CustomTouchBarItem> touchBar(TouchBar& touchBar,
                                                         const std::string& identifier) = 0;
};

// The description of what a touch strip shows: item identifiers in order and who makes the items.
// Main thread only.
class TouchBar {
public:
    // The delegate is not owned and must outlive the bar's use.
    TouchBarDelegate* delegate() const { return delegate_; }
    void setDelegate(TouchBarDelegate* delegate) { delegate_ = delegate; }

    const std::string& customizationIdentifier() const { return customizationIdentifier_; }
    void setCustomizationIdentifier(std::string identifier) {
        customizationIdentifier_ = std::move(identifier);
    }

    const std::vector<std::string>& defaultItemIdentifiers() const {
        return defaultItemIdentifiers_;
    }
    void setDefaultItemIdentifiers(std::vector<std::string> identifiers) {
        defaultItemIdentifiers_ = std::move(identifiers);
    }

    const std::vector<std::string>& customizationAllowedItemIdentifiers() const {
        return customizationAllowedItemIdentifiers_;
    }
    void setCustomizationAllowedItemIdentifiers(std::vector<std::string> identifiers) {
        customizationAllowedItemIdentifiers_ = std::move(identifiers);
    }

    // Asks the delegate for the item of each default identifier, in order; identifiers without
    // an item (the other-items proxy among them) are left out.
    std::vector<std::unique_ptr<CustomTouchBarItem>> makeDefaultItems();

private:
    TouchBarDelegate* delegate_ = nullptr;
    std::string customizationIdentifier_;
    std::vector<std::string> defaultItemIdentifiers_;
    std::vector<std::string> customizationAllowedItemIdentifiers_;
};

// Whoever offers a bar for a window: the strip asks it once and keeps the answer.
class TouchBarProvider {
public:
    virtual ~TouchBarProvider() = default;
    virtual std::unique_ptr<TouchBar> makeTouchBar() = 0;
};

} // namespace tinkella

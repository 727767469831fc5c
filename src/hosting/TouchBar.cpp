#include "hosting/TouchBar.h"

namespace tinkella {

std::vector<std::unique_ptr<CustomTouchBarItem>> TouchBar::makeDefaultItems() {
    std::vector<std::unique_ptr<CustomTouchBarItem>> items;
    if (delegate_ == nullptr) {
        return items;
    }
    for (const std::string& identifier : defaultItemIdentifiers_) {
        if (identifier == TouchBarItemIdentifierOtherItemsProxy) {
            continue;
        }
        if (auto item = delegate_->touchBar(*this, identifier)) {
            items.push_back(std::move(item));
        }
    }
    return items;
}

} // namespace tinkella

#include "sorted_list.h"

#include "qt_text.h"
#include "text.h"

#include <QListWidget>

#include <cstdint>

namespace vorn::win {
namespace {

// Qt's own order for a sorted list is Unicode by code point, which puts
// "Zeta" before "alfa"; this item ranks by the folded cp1252 text, then by
// when it was made, so equal names never swap.
class ListItem : public QListWidgetItem {
public:
    explicit ListItem(const QString& text)
        : QListWidgetItem(text)
        , m_arrival(s_next++) {}

    bool operator<(const QListWidgetItem& other) const override {
        const std::string mine = bytes(text());
        const std::string theirs = bytes(other.text());
        if (lessIgnoringCase(mine, theirs)) return true;
        if (lessIgnoringCase(theirs, mine)) return false;
        const auto* item = dynamic_cast<const ListItem*>(&other);
        return item && m_arrival < item->m_arrival;
    }

private:
    static inline std::uint64_t s_next = 0;
    std::uint64_t m_arrival;
};

} // namespace

void addListItem(QListWidget* list, const QString& text) {
    list->addItem(new ListItem(text));
}

} // namespace vorn::win

#pragma once
// An unbounded first-in-first-out queue shared between the link thread and the GUI thread.

#include <deque>
#include <functional>
#include <memory>
#include <mutex>

template <typename T> class CFifo {
public:
    void Push(std::unique_ptr<T> item) {
        std::lock_guard lock(m_mutex);
        m_items.push_back(std::move(item));
    }

    // The oldest item, or null when the queue is empty.
    std::unique_ptr<T> Pop() {
        std::lock_guard lock(m_mutex);
        if (m_items.empty()) {
            return nullptr;
        }
        auto item = std::move(m_items.front());
        m_items.pop_front();
        return item;
    }

    bool IsEmpty() const {
        std::lock_guard lock(m_mutex);
        return m_items.empty();
    }

    size_t Size() const {
        std::lock_guard lock(m_mutex);
        return m_items.size();
    }

    // Drops every item for which the predicate holds; the others keep their order.
    void RemoveIf(const std::function<bool(const T&)>& predicate) {
        std::lock_guard lock(m_mutex);
        std::erase_if(m_items, [&](const std::unique_ptr<T>& p) { return predicate(*p); });
    }

    bool AnyOf(const std::function<bool(const T&)>& predicate) const {
        std::lock_guard lock(m_mutex);
        for (const auto& p : m_items) {
            if (predicate(*p)) {
                return true;
            }
        }
        return false;
    }

private:
    mutable std::mutex m_mutex;
    std::deque<std::unique_ptr<T>> m_items;
};

#include "Messages.h"

#include <QHash>

namespace sw {

struct MessageTable::Impl {
    QHash<QByteArray, Entry> entries;
};

MessageTable& MessageTable::instance() {
    static MessageTable table;
    return table;
}

MessageTable::Impl& MessageTable::impl() const {
    // Function-local so modules may register from their static initialisers in any order.
    static Impl data;
    return data;
}

void MessageTable::add(const QByteArray& id, const QString& builtinText) {
    auto& entries = impl().entries;
    if (!entries.contains(id))
        entries.insert(id, Entry{builtinText, builtinText});
}

bool MessageTable::contains(const QByteArray& id) const {
    return impl().entries.contains(id);
}

QString MessageTable::text(const QByteArray& id) const {
    const auto it = impl().entries.constFind(id);
    return it == impl().entries.cend() ? QString::fromUtf8(id) : it->current;
}

QString MessageTable::builtinText(const QByteArray& id) const {
    const auto it = impl().entries.constFind(id);
    return it == impl().entries.cend() ? QString() : it->builtin;
}

void MessageTable::setCurrentText(const QByteArray& id, const QString& text) {
    auto it = impl().entries.find(id);
    if (it != impl().entries.end())
        it->current = text;
}

void MessageTable::resetAll() {
    for (auto& e : impl().entries)
        e.current = e.builtin;
}

QList<QByteArray> MessageTable::ids() const {
    return impl().entries.keys();
}

Message::Message(const char* id, const char* builtinUtf8) : m_id(id) {
    MessageTable::instance().add(m_id, QString::fromUtf8(builtinUtf8));
}

} // namespace sw

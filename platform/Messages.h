#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace sw {

// The process-wide table of named messages. Every user-visible text of a module is registered
// under "module.name" (lower case) with its built-in text; whatever shows a message reads its
// current text, which translation may replace at start-up.
class MessageTable {
public:
    static MessageTable& instance();

    // Registers a message; registering the same identifier again keeps the first built-in text.
    void add(const QByteArray& id, const QString& builtinText);
    bool contains(const QByteArray& id) const;
    // The current text; an unknown identifier reads as itself so a missing registration shows.
    QString text(const QByteArray& id) const;
    QString builtinText(const QByteArray& id) const;
    void setCurrentText(const QByteArray& id, const QString& text);
    // Puts every current text back to its built-in text (tests, and a failed translation).
    void resetAll();
    QList<QByteArray> ids() const;

private:
    MessageTable() = default;
    struct Entry {
        QString builtin;
        QString current;
    };
    struct Impl;
    Impl& impl() const;
};

// A named message, registered when constructed. Define one per text at namespace scope in the
// module that owns it.
class Message {
public:
    Message(const char* id, const char* builtinUtf8);
    QString text() const { return MessageTable::instance().text(m_id); }
    const QByteArray& id() const { return m_id; }

private:
    QByteArray m_id;
};

} // namespace sw

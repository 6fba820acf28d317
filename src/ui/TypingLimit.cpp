#include "ui/TypingLimit.h"

#include <QLineEdit>

#include <algorithm>
#include <string>

TypingLimit::TypingLimit(QLineEdit* field, int limit)
    : QObject(field), m_field(field), m_limit(limit), m_before(field->text())
{
    // The field reports an edit before the change of text, so m_before still
    // holds the text the edit started from. After a cut the field still
    // reports the change with the uncut text, so its own text is what counts.
    connect(field, &QLineEdit::textEdited, this, &TypingLimit::fieldEdited);
    connect(field, &QLineEdit::textChanged, this, [this] { m_before = m_field->text(); });
}

// Characters are counted as code points, so an emoji is one and is never cut
// in half.
QString TypingLimit::cut(const QString& before, const QString& after, int limit, int& cursor)
{
    const std::u32string old = before.toStdU32String();
    const std::u32string now = after.toStdU32String();
    const std::size_t common = std::min(old.size(), now.size());
    std::size_t prefix = 0;
    while (prefix < common && old[prefix] == now[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < common - prefix && old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    const std::size_t inserted = now.size() - prefix - suffix;
    const std::size_t others = now.size() - inserted;
    const std::size_t room = limit > int(others) ? std::size_t(limit) - others : 0;
    const std::size_t kept = std::min(room, inserted);
    std::u32string allowed = now.substr(0, prefix + kept);
    cursor = int(QString::fromStdU32String(allowed).size());
    if (kept == inserted)
        return after;
    allowed += now.substr(now.size() - suffix);
    return QString::fromStdU32String(allowed);
}

int TypingLimit::characterCount(const QString& text)
{
    return int(text.toStdU32String().size());
}

void TypingLimit::fieldEdited(const QString& text)
{
    if (characterCount(text) > m_limit) {
        int cursor = 0;
        const QString allowed = cut(m_before, text, m_limit, cursor);
        if (allowed != text) {
            m_field->setText(allowed);
            m_field->setCursorPosition(cursor);
        }
    }
    emit edited(m_field->text());
}

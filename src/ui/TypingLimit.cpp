#include "ui/TypingLimit.h"

#include <QLineEdit>

#include <algorithm>

TypingLimit::TypingLimit(QLineEdit* field, int limit)
    : QObject(field), m_field(field), m_limit(limit), m_before(field->text())
{
    // The field reports an edit before the change of text, so m_before still
    // holds the text the edit started from. After a cut the field still
    // reports the change with the uncut text, so its own text is what counts.
    connect(field, &QLineEdit::textEdited, this, &TypingLimit::fieldEdited);
    connect(field, &QLineEdit::textChanged, this, [this] { m_before = m_field->text(); });
}

QString TypingLimit::cut(const QString& before, const QString& after, int limit, int& cursor)
{
    const qsizetype common = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < common && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < common - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const qsizetype inserted = after.size() - prefix - suffix;
    const qsizetype kept = std::clamp<qsizetype>(limit - (after.size() - inserted), 0, inserted);
    cursor = int(prefix + kept);
    if (kept == inserted)
        return after;
    return after.left(prefix) + after.mid(prefix, kept) + after.right(suffix);
}

void TypingLimit::fieldEdited(const QString& text)
{
    if (text.size() > m_limit) {
        int cursor = 0;
        const QString allowed = cut(m_before, text, m_limit, cursor);
        if (allowed != text) {
            m_field->setText(allowed);
            m_field->setCursorPosition(cursor);
        }
    }
    emit edited(m_field->text());
}

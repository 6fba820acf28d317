#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// A length limit on what the user types or pastes into a one-line field.
// Texts the program puts there (a name from a list, a value from a file) are
// shown whole, however long; the user's insertion is cut so that the text
// ends no longer than the limit, and a text already at or over it takes no
// more characters. Unlike QLineEdit::setMaxLength it never cuts setText.
class TypingLimit : public QObject
{
    Q_OBJECT

public:
    // Owned by `field`; `limit` is counted in characters.
    TypingLimit(QLineEdit* field, int limit);

    int limit() const { return m_limit; }

    // `after` is `before` with the user's edit applied; returns it with the
    // inserted part cut to what the limit leaves room for, and in `cursor`
    // the position just after what was kept (in UTF-16 units, as the field
    // counts its cursor).
    static QString cut(const QString& before, const QString& after, int limit, int& cursor);
    // Characters as the limit counts them: code points, an emoji being one.
    static int characterCount(const QString& text);

signals:
    // The user's edit, after the limit was applied; listen to this rather
    // than the field's textEdited, which reports the text before the cut.
    void edited(const QString& text);

private:
    void fieldEdited(const QString& text);

    QLineEdit* m_field;
    int m_limit;
    QString m_before;
};

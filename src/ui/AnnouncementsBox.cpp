#include "ui/AnnouncementsBox.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

AnnouncementsBox::AnnouncementsBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
}

std::vector<std::string> AnnouncementsBox::lines() const
{
    std::vector<std::string> result;
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block); // lays out blocks that were never shown
        const QString text = block.text();
        const QTextLayout* lines = block.layout();
        if (!lines || lines->lineCount() == 0) {
            result.push_back(text.toStdString());
            continue;
        }
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            result.push_back(text.mid(line.textStart(), line.textLength()).toStdString());
        }
    }
    if (!result.empty() && result.back().empty())
        result.pop_back();
    return result;
}

void AnnouncementsBox::setLines(const std::vector<std::string>& lines)
{
    QStringList texts;
    for (const std::string& line : lines)
        texts << QString::fromStdString(line);
    setPlainText(texts.join(QLatin1Char('\n')));
}

#include "practicerun/RunEndPage.h"

#include "practicerun/FittedText.h"
#include "practicerun/RunTexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel* addLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QTableWidgetItem* cell(const std::string& text, Qt::Alignment alignment)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QFont arial(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

RunEndPage::RunEndPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EndPage"));
    m_title = new FittedText("OverTitle", Qt::AlignCenter, true);
    m_title->setText(QStringLiteral("Practice over"));
    m_title->setMinimumHeight(48);
    m_summary = addLabel("EndSummary");
    m_summary->setAlignment(Qt::AlignCenter);

    m_table = new QTableWidget(0, 4);
    m_table->setObjectName(QStringLiteral("EndTable"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Activity"), QStringLiteral("Planned"),
                                        QStringLiteral("Actual"), QStringLiteral("Note")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setFocusPolicy(Qt::NoFocus);
    // A long name wraps onto more lines of its row rather than being cut.
    m_table->setWordWrap(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_note = addLabel("EndNote");
    m_put = new QPushButton(QStringLiteral("Put actual minutes in the plan"));
    m_put->setObjectName(QStringLiteral("PutMinutesBtn"));
    m_put->setToolTip(QStringLiteral("Each activity that ran gets its minutes as counted, to the "
                                     "nearest; skipped ones keep theirs. Save the plan to keep "
                                     "them."));
    m_close = new QPushButton(QStringLiteral("Close"));
    m_close->setObjectName(QStringLiteral("CloseBtn"));
    for (QPushButton* button : {m_put, m_close}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumHeight(40);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_note, 1);
    buttons->addWidget(m_put);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(m_title, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 9);
    layout->addLayout(buttons);
}

void RunEndPage::showRun(const PracticeRun& run)
{
    m_summary->setText(QString::fromStdString(EndSummaryText(run)));
    const std::vector<EndTableRow> rows = EndTable(run);
    m_table->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const EndTableRow& row = rows[i];
        m_table->setItem(i, 0, cell(row.activity, Qt::AlignLeft));
        m_table->setItem(i, 1, cell(row.planned, Qt::AlignRight));
        m_table->setItem(i, 2, cell(row.actual, Qt::AlignRight));
        m_table->setItem(i, 3, cell(row.note, Qt::AlignLeft));
    }
    setTextPixels(m_pixels);
    const bool anyCounted = !ActualMinutes(run).empty();
    m_put->setEnabled(anyCounted);
    if (!anyCounted)
        setNote(QStringLiteral("Every activity was skipped: there are no minutes to put in the "
                               "plan."));
}

// The totals, the table's last line, in bold.
void RunEndPage::setTextPixels(int pixels)
{
    m_pixels = pixels;
    m_table->setFont(arial(pixels));
    m_summary->setFont(arial(pixels));
    const int last = m_table->rowCount() - 1;
    for (int column = 0; last >= 0 && column < m_table->columnCount(); ++column)
        m_table->item(last, column)->setFont(arial(pixels, true));
    const QFont small = arial(pixels * 4 / 5);
    m_table->horizontalHeader()->setFont(small);
    m_note->setFont(small);
    // On the buttons alone: a style sheet on the page would drop its colours.
    const QString style = QStringLiteral("QPushButton { color: #f4f4f4; background: #2b3137;"
                                         " border: 1px solid #46505a; border-radius: 4px;"
                                         " padding: 6px 14px; font-size: %1px; }"
                                         "QPushButton:disabled { color: #5c6670; }")
                              .arg(small.pixelSize());
    m_put->setStyleSheet(style);
    m_close->setStyleSheet(style);
}

void RunEndPage::setNote(const QString& text)
{
    m_note->setText(text);
}

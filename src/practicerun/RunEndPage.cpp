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

QLabel* addLabel(const char* name, int points)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    QFont font(QStringLiteral("Arial"), points);
    label->setFont(font);
    return label;
}

QTableWidgetItem* cell(const std::string& text, Qt::Alignment alignment, bool bold)
{
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    if (bold) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

} // namespace

RunEndPage::RunEndPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EndPage"));
    m_title = new FittedText("OverTitle", Qt::AlignCenter, true);
    m_title->setText(QStringLiteral("Practice over"));
    m_title->setMinimumHeight(48);
    m_summary = addLabel("EndSummary", 16);
    m_summary->setAlignment(Qt::AlignCenter);

    m_table = new QTableWidget(0, 4);
    m_table->setObjectName(QStringLiteral("EndTable"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Activity"), QStringLiteral("Planned"),
                                        QStringLiteral("Actual"), QStringLiteral("Note")});
    m_table->verticalHeader()->hide();
    m_table->setFont(QFont(QStringLiteral("Arial"), 13));
    m_table->horizontalHeader()->setFont(QFont(QStringLiteral("Arial"), 11));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setFocusPolicy(Qt::NoFocus);
    // A long name wraps onto more lines of its row rather than being cut.
    m_table->setWordWrap(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_note = addLabel("EndNote", 11);
    m_put = new QPushButton(QStringLiteral("Put actual minutes in the plan"));
    m_put->setObjectName(QStringLiteral("PutMinutesBtn"));
    m_put->setToolTip(QStringLiteral("Each activity that ran gets its minutes as counted, to the "
                                     "nearest; skipped ones keep theirs. Save the plan to keep "
                                     "them."));
    m_close = new QPushButton(QStringLiteral("Close"));
    m_close->setObjectName(QStringLiteral("CloseBtn"));
    for (QPushButton* button : {m_put, m_close}) {
        button->setFont(QFont(QStringLiteral("Arial"), 12));
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumHeight(40);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_note, 1);
    buttons->addWidget(m_put);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(m_title, 2);
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
        const bool total = i + 1 == int(rows.size());
        const EndTableRow& row = rows[i];
        m_table->setItem(i, 0, cell(row.activity, Qt::AlignLeft, total));
        m_table->setItem(i, 1, cell(row.planned, Qt::AlignRight, total));
        m_table->setItem(i, 2, cell(row.actual, Qt::AlignRight, total));
        m_table->setItem(i, 3, cell(row.note, Qt::AlignLeft, total));
    }
    m_put->setEnabled(!ActualMinutes(run).empty());
}

void RunEndPage::setNote(const QString& text)
{
    m_note->setText(text);
}

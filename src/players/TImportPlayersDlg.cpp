#include "players/TImportPlayersDlg.h"

#include "players/PlayersImport.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

QListWidget* nameList(const char* name, const std::vector<std::string>& names, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    QStringList texts;
    texts.reserve(static_cast<int>(names.size()));
    for (const std::string& entry : names)
        texts << QString::fromStdString(entry);
    list->addItems(texts);
    return list;
}

QLabel* heading(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TImportPlayersDlg::TImportPlayersDlg(const QString& path, const PlayersImport::Preview& preview,
                                     QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TImportPlayersDlg"));
    setWindowTitle(QStringLiteral("Import Players"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    resize(460, 380);

    m_added = nameList("AddedList", preview.added, this);
    m_present = nameList("PresentList", preview.present, this);
    auto* from = new QLabel(QStringLiteral("From %1:").arg(QFileInfo(path).fileName()), this);
    from->setObjectName(QStringLiteral("FileLbl"));
    from->setToolTip(path);

    m_notes = new QLabel(this);
    m_notes->setObjectName(QStringLiteral("NotesLbl"));
    m_notes->setWordWrap(true);
    QStringList notes;
    for (const std::string& note : PlayersImport::Notes(preview))
        notes << QString::fromStdString(note);
    m_notes->setText(notes.join(QLatin1Char('\n')));
    m_notes->setVisible(!notes.isEmpty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("OkBtn"));
    m_ok->setText(preview.added.size() == 1
                      ? QStringLiteral("&Add 1 Player")
                      : QStringLiteral("&Add %1 Players").arg(preview.added.size()));
    m_ok->setEnabled(!preview.added.empty());
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(from, 0, 0, 1, 2);
    layout->addWidget(
        heading(QStringLiteral("&New players (%1)").arg(preview.added.size()), m_added, this), 1,
        0);
    layout->addWidget(
        heading(QStringLiteral("Al&ready on the list (%1)").arg(preview.present.size()), m_present,
                this),
        1, 1);
    layout->addWidget(m_added, 2, 0);
    layout->addWidget(m_present, 2, 1);
    layout->addWidget(m_notes, 3, 0, 1, 2);
    layout->addWidget(buttons, 4, 0, 1, 2);
}

#include "page_backup.h"

#include <QDir>

namespace vorn::win::form4 {

PageBackup::PageBackup(QWidget* parent)
    : NotebookPage(QStringLiteral("Backup"), parent) {
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(8, 8, 220, 600);
    Memo5 = new QTextEdit(this);
    Memo5->setObjectName(QStringLiteral("Memo5"));
    Memo5->setAcceptRichText(false);
    Memo5->setLineWrapMode(QTextEdit::NoWrap);
    Memo5->setGeometry(236, 8, 680, 560);
}

void PageBackup::showFolder(const QString& folder) {
    m_folder = folder;
    File1->clear();
    const QDir dir(folder);
    File1->addItems(dir.entryList({QStringLiteral("*.scp")}, QDir::Files, QDir::Name));
    File1->setCurrentRow(-1);
}

} // namespace vorn::win::form4

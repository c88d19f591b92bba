#include "page_backup.h"

#include "files.h"
#include "qt_text.h"
#include "text.h"

#include <QDir>
#include <QEvent>

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
    Memo5->setGeometry(236, 8, 680, 300);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(13);
    Memo5->setFont(font);
    lbChanges = new QLabel(this);
    lbChanges->setObjectName(QStringLiteral("lbChanges"));
    lbChanges->move(236, 314);
    changes = new QTextEdit(this);
    changes->setObjectName(QStringLiteral("changes"));
    changes->setReadOnly(true);
    changes->setLineWrapMode(QTextEdit::NoWrap);
    changes->setGeometry(236, 332, 680, 236);
    changes->setFont(font);

    Image2 = new PictureButton(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(236, 578, 30, 21);
    lbRecuperar = new QLabel(QStringLiteral("Recuperar..."), this);
    lbRecuperar->setObjectName(QStringLiteral("lbRecuperar"));
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(12);
    bold.setBold(true);
    lbRecuperar->setFont(bold);
    lbRecuperar->move(272, 581);
    lbRecuperar->adjustSize();

    // A press or a key in the list loads the copy, after the list has moved
    // its choice.
    File1->installEventFilter(this);
    File1->viewport()->installEventFilter(this);
}

bool PageBackup::eventFilter(QObject* watched, QEvent* event) {
    const bool press = watched == File1->viewport() && event->type() == QEvent::MouseButtonRelease;
    const bool key = watched == File1 && event->type() == QEvent::KeyRelease;
    if (press || key) emit copyChosen();
    return NotebookPage::eventFilter(watched, event);
}

void PageBackup::showFolder(const QString& folder) {
    m_folder = folder;
    File1->clear();
    const QDir dir(folder);
    File1->addItems(dir.entryList({QStringLiteral("*.scp")}, QDir::Files, QDir::Name));
    File1->setCurrentRow(-1);
    lbChanges->clear();
    changes->clear();
}

void PageBackup::File1Click() {
    const QListWidgetItem* item = File1->currentItem();
    if (!item || m_folder.isEmpty()) return;
    const QString path = QDir(m_folder).filePath(item->text());
    const QByteArray utf8 = path.toUtf8();
    const std::vector<std::string> lines =
        splitLines(readFile(std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += QLatin1Char('\n');
        text += ui(lines[i]);
    }
    Memo5->setPlainText(text);
}

} // namespace vorn::win::form4

#include "page_files.h"

#include "page_parts.h"

namespace vorn::win::form2 {

FilesPage::FilesPage(const QString& caption, QString mask, QWidget* parent)
    : NotebookPage(caption, parent)
    , m_mask(std::move(mask)) {}

FilesPage::Controls FilesPage::build(const Names& n, const QString& serverHeading,
                                     const QString& localHeading) {
    Controls c{};
    const int below = 28 + kListHeight + 10;
    c.serverHeading = label(this, n.serverHeading, serverHeading, 10, 8);
    c.server = list(this, n.server, {10, 28, 190, kListHeight}, true);
    c.remove = smallButton(this, n.remove, 10, below + 1);
    c.removeCaption =
        label(this, n.removeCaption, QStringLiteral("Deletar arquivo do servidor..."), 34, below);
    c.removeStatus = statusLabel(this, n.removeStatus, {10, below + 20, 190, 52});

    c.localHeading = label(this, n.localHeading, localHeading, 215, 8);
    c.local = list(this, n.local, {215, 28, 195, kListHeight}, false);
    c.upload = smallButton(this, n.upload, 215, below + 1);
    c.uploadCaption =
        label(this, n.uploadCaption, QStringLiteral("Upload do arquivo..."), 239, below);
    c.uploadStatus = statusLabel(this, n.uploadStatus, {215, below + 20, 195, 52});
    c.gauge = new QProgressBar(this);
    c.gauge->setObjectName(QString::fromLatin1(n.gauge));
    c.gauge->setGeometry(215, below + 76, 195, 14);
    c.gauge->setTextVisible(false);
    c.gauge->hide();
    m_local = c.local;
    return c;
}

void FilesPage::setFolder(const QString& folder) {
    m_folder = folder;
    refreshLocalFiles();
}

void FilesPage::refreshLocalFiles() {
    listFolder(m_local, m_folder, m_mask);
}

} // namespace vorn::win::form2

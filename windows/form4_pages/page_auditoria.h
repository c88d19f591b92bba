#pragma once

#include "notebook.h"
#include "picture_button.h"
#include "workshop_parts.h"

#include <QLineEdit>
#include <QListWidget>

namespace vorn::win::form4 {

// Page "Auditoria": what is wrong with the adventure as a whole, one
// finding per entry (an entry opens its script at its line), and a find
// and replace across every script.
class PageAuditoria : public NotebookPage {
    Q_OBJECT
public:
    explicit PageAuditoria(QWidget* parent = nullptr);

    PictureButton* m_refresh;
    QListWidget* m_findings;
    ClickLabel* m_status;

    QLineEdit* m_find;
    QLineEdit* m_replace;
    PictureButton* m_replaceAll;
    // The question with every changed line, before anything is stored.
    AuthorQuestion ask;

    // Where an entry leads: the script's name (cp1252) and line (from 0).
    static constexpr int kScriptRole = Qt::UserRole;
    static constexpr int kLineRole = Qt::UserRole + 1;
};

} // namespace vorn::win::form4
